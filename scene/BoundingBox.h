#pragma once

#include <glm/glm.hpp>

// An axis-aligned box from corner `lo` to corner `hi`.
struct BoundingBox
{
    glm::vec3 lo = glm::vec3(0.0f);
    glm::vec3 hi = glm::vec3(0.0f);
};

// The smallest axis-aligned box around `box` carried through the affine `matrix`.
BoundingBox TransformBox(const BoundingBox& box, const glm::mat4& matrix);
