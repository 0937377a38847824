#include "scene/BoundingBox.h"

BoundingBox TransformBox(const BoundingBox& box, const glm::mat4& matrix)
{
    // The centre moves with the matrix; each half-extent spreads over the
    // axes by the absolute value of the linear part.
    const glm::vec3 centre = glm::vec3(matrix * glm::vec4(0.5f * (box.lo + box.hi), 1.0f));
    const glm::vec3 half = 0.5f * (box.hi - box.lo);
    glm::vec3 extent(0.0f);
    for (int column = 0; column < 3; ++column)
        extent += glm::abs(glm::vec3(matrix[column])) * half[column];
    return {centre - extent, centre + extent};
}
