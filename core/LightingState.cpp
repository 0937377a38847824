#include "core/LightingState.h"

#include <algorithm>
#include <glm/glm.hpp>

namespace
{
// A state leaves a term out only this far beyond the point where the shader
// makes it zero, so that a GPU that rounds differently still agrees.
const float kMargin = 0.01f;
// The lamps fade out while the sunlight on level ground grows between these.
const float kLampFadeStart = 0.04f, kLampFadeEnd = 0.28f;

float Luminance(const glm::vec3& colour)
{
    return glm::dot(colour, glm::vec3(0.2126f, 0.7152f, 0.0722f));
}

float Daylight(const DirectionalLight& sun)
{
    return std::max(SunHeight(sun), 0.0f) * sun.Base.DiffuseIntensity * Luminance(sun.Base.Color);
}
}

float SunHeight(const DirectionalLight& sun)
{
    const float length = glm::length(sun.Direction);
    return length > 0.0f ? -sun.Direction.y / length : 0.0f;
}

float SunAboveHorizon(const DirectionalLight& sun)
{
    return glm::smoothstep(kSunGoneHeight, 0.0f, SunHeight(sun));
}

float MoonUp(const DirectionalLight& sun)
{
    // The shader reads the light's direction as it is uploaded, not normalised.
    return glm::smoothstep(-kMoonGoneSunHeight, 0.2f, sun.Direction.y);
}

float LampShare(const DirectionalLight& sun)
{
    return 1.0f - glm::smoothstep(kLampFadeStart, kLampFadeEnd, Daylight(sun));
}

LightingState LightingStateOf(const DirectionalLight& sun)
{
    const glm::vec3 radiance = sun.Base.Color * sun.Base.DiffuseIntensity;
    const bool shines = std::max(radiance.r, std::max(radiance.g, radiance.b)) > 0.0f;
    LightingState state;
    state.sun = shines && SunHeight(sun) > kSunGoneHeight - kMargin;
    state.moon = sun.Direction.y > -kMoonGoneSunHeight - kMargin;
    state.lamps = Daylight(sun) < kLampFadeEnd + kMargin;
    return state;
}
