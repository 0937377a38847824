#pragma once

#include <array>
#include <glm/glm.hpp>
#include <vector>

struct SunColorKey
{
    int degrees;
    glm::vec3 color;
};

// Colour of sunlight through the day, keyed by the time of day in whole degrees.
extern const std::vector<SunColorKey> SunColorTable;

// Sunlight colour for a time of day: the table interpolated around the day,
// wrapping from the last key back to the first.
glm::vec3 SunColorAt(float timeOfDay);

// 100 unit directions spread over the sphere (a Fibonacci lattice), turned by
// a twist taken from one random value in [0, 32767].
std::vector<glm::vec3> StarDirections(int twist);

// Euler angles in radians from a column-major 3x3 rotation (m[0..2] the first
// column), the inverse of the Rz * Ry * Rx rotation of scene objects.
glm::vec3 EulerAnglesFromMatrix(const std::array<float, 9>& m);

// Rotation in degrees that turns a quad lying in the local xy plane to face the
// origin from `position` (its local +z axis ends up along `position`).
glm::vec3 FacingRotation(const glm::vec3& position);

// Star alpha factor: fades in between heights 0.2 and 0.4 above the horizon,
// and only at night.
float StarVisibility(float height, float timeOfDay);
