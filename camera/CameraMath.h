#pragma once

#include <glm/glm.hpp>

#include "core/Matrix4.h"

// Rotates `v` in place by `degrees` around the unit `axis` (right-handed).
void RotateAroundAxis(glm::vec3& v, float degrees, const glm::vec3& axis);

// Elevation of a look direction in degrees: positive looking up, +-90 straight
// up or down, 0 for a zero direction.
float GetPitch(const glm::vec3& direction);

// Row-major right-handed view matrix looking from `eye` at `center`.
Matrix4 MakeLookAt(const glm::vec3& eye, const glm::vec3& center, const glm::vec3& up);

// Tilts `direction` up (positive degrees) or down around the horizontal axis
// direction x up. The step is dropped whole, returning false, when it would
// bring the pitch to +-89.8 degrees or beyond, or when the direction has no
// horizontal axis (zero or parallel to up).
bool TiltDirection(glm::vec3& direction, float degrees, const glm::vec3& up);

// Turns the view from `position` towards `target` in place: `yawDegrees` about
// the world's vertical axis, then `pitchDegrees` up (dropped at the tilt limit).
void TurnView(const glm::vec3& position, glm::vec3& target, float yawDegrees, float pitchDegrees,
              const glm::vec3& up);

// `v` scaled to unit length, or zero when it has no length.
glm::vec3 NormalizeOrZero(const glm::vec3& v);
