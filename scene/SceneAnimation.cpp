#include "scene/SceneAnimation.h"

#include <cmath>

float StepTimeOfDay(float timeOfDay, bool zHeld, bool xHeld, float deltaTime)
{
    if (zHeld)
        timeOfDay -= 45.0f * deltaTime;
    if (xHeld)
        timeOfDay += 45.0f * deltaTime;
    return timeOfDay == 0.0f ? 0.001f : timeOfDay;
}

glm::vec3 SunDirection(float timeOfDay)
{
    const float theta = timeOfDay * 0.017453292f;
    const float c = std::cos(theta), s = std::sin(theta);
    const float length = std::sqrt(c * c + s * s);
    return glm::vec3(s, -c, -0.0f) / length;
}

glm::vec3 FlickerPosition(const glm::vec3& base, int randomValue)
{
    const float j = float(randomValue) / 32767.0f * 0.02f - 0.01f;
    return base + glm::vec3(j);
}
