#include "effects/OpenSkyLight.h"

#include <algorithm>
#include <cmath>

// The lit program's sky, moon and sun constants (lightShadows.frag and
// twilight.glsl); a change there belongs here too.
namespace
{
const glm::vec3 kDaySky(0.10f, 0.17f, 0.36f);
const glm::vec3 kTwilightSky(0.13f, 0.06f, 0.05f);
const glm::vec3 kNightSky(0.022f, 0.03f, 0.05f);
const float kReferenceAmbient = 0.1f;
const glm::vec3 kSunWarmth(1.0f, 0.95f, 0.86f);
const glm::vec3 kMoonColour(0.55f, 0.68f, 1.0f);
const float kMoonIntensity = 0.08f;
}

glm::vec3 OpenSkyLight(const DirectionalLight& sun)
{
    const float length = glm::length(sun.Direction);
    if (!(length > 0.0f))
        return glm::vec3(0.0f);
    const glm::vec3 travel = sun.Direction / length;
    const float sunHeight = -travel.y;
    const float day = glm::smoothstep(-0.1f, 0.3f, sunHeight);
    const float flush = 1.0f - glm::smoothstep(0.0f, 0.3f, std::abs(sunHeight - 0.03f));
    const glm::vec3 sky = (glm::mix(kNightSky, kDaySky, day) + kTwilightSky * flush) *
                          (sun.Base.AmbientIntensity / kReferenceAmbient);
    const glm::vec3 sunlight = sun.Base.Color * kSunWarmth * sun.Base.DiffuseIntensity * std::max(sunHeight, 0.0f);
    // At night the light's direction points up, towards the moon.
    const float moonUp = std::max(travel.y, 0.0f);
    const glm::vec3 moonlight = kMoonColour * kMoonIntensity * glm::smoothstep(-0.05f, 0.2f, travel.y) * moonUp;
    return sky + sunlight + moonlight;
}
