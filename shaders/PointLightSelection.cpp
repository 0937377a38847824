#include "shaders/PointLightSelection.h"

PointLightSelection SelectPointLights(const std::vector<PointLight>& pointLights, const glm::vec3& objectPosition,
                                      bool allLights)
{
    PointLightSelection selection;
    for (size_t i = 0; i < pointLights.size() && selection.count < kMaxPointLightsPerDraw; ++i)
    {
        const glm::vec3 offset = pointLights[i].Position - objectPosition;
        if (allLights || glm::dot(offset, offset) < 900.0f)
            selection.lights[size_t(selection.count++)] = int(i);
    }
    return selection;
}
