#pragma once

#include <array>
#include <glm/glm.hpp>

#include "core/Matrix4.h"

// Light-space box of one cascade: right, left, bottom, top, near, far.
using CascadeBox = std::array<float, 6>;

// The sun's view: from the world origin along the light's travel direction.
Matrix4 MakeLightView(const glm::vec3& lightDirection);

// Fits the light-space box around the slice of the camera frustum between the
// view distances `nearSplit` and `farSplit`. The maxima start at the smallest
// positive float, so a box always reaches the light-space plane through the origin.
CascadeBox FitCascade(const Matrix4& cameraView, const glm::vec3& lightDirection, float aspect,
                      float fieldOfView, float nearSplit, float farSplit);

// Orthographic projection of a cascade box.
Matrix4 MakeCascadeProjection(const CascadeBox& box);

// Clip-space depth (before the divide by w) of the view-space point (0, 0, -distance).
float ClipSpaceDepth(const Matrix4& projection, float distance);
