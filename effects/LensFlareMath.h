#pragma once

#include <glm/glm.hpp>

#include "core/Matrix4.h"

// The lens flare's small targets: an eighth of the window in each direction,
// computed in float and truncated toward zero.
glm::ivec2 LensFlareSmallSize(int windowWidth, int windowHeight);

// The starburst's turn in radians from a row-major world-to-eye matrix: the
// world x axis seen from the camera dotted with +z, plus the world y axis
// seen from the camera dotted with +y. A level camera gives 1, and turning
// about the vertical axis changes it.
float StarburstAngle(const Matrix4& view);

// Turns texture coordinates about the image centre by `angle` radians:
// S2 * R * S1 as a column-major 3x3 matrix for (u, v, 1).
glm::mat3 StarburstMatrix(float angle);
