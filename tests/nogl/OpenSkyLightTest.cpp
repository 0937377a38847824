#include <gtest/gtest.h>

#include "SceneSun.h"
#include "effects/OpenSkyLight.h"

namespace
{
float Luminance(const glm::vec3& c)
{
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
}
}

TEST(OpenSkyLightTest, FadesFromDayThroughDuskToAMoonlitNight)
{
    const glm::vec3 day = OpenSkyLight(SunAt(36.5f)), dusk = OpenSkyLight(SunAt(88.0f)),
                    night = OpenSkyLight(SunAt(180.0f));
    // By day the white sun on level ground and the blue sky.
    EXPECT_NEAR(day.r, 0.743f, 0.01f);
    EXPECT_NEAR(day.b, 0.913f, 0.01f);
    EXPECT_GT(Luminance(day), 2.0f * Luminance(dusk));
    EXPECT_GT(dusk.r / dusk.b, day.r / day.b) << "the flush of a low sun";
    // At night: the moon's and the sky's blue, a tenth of the day.
    EXPECT_GT(Luminance(night), 0.0f);
    EXPECT_LT(Luminance(night), 0.15f * Luminance(day));
    EXPECT_GT(night.b, 1.5f * night.r);
}

TEST(OpenSkyLightTest, FollowsTheLightsOwnValues)
{
    DirectionalLight sun = SunAt(36.5f);
    const glm::vec3 day = OpenSkyLight(sun);
    sun.Base.AmbientIntensity = 0.2f; // the sky's part doubles
    EXPECT_NEAR(OpenSkyLight(sun).b - day.b, 0.36f, 1e-3f);
    sun.Base.AmbientIntensity = 0.0f;
    sun.Base.DiffuseIntensity = 0.0f;
    EXPECT_EQ(OpenSkyLight(sun), glm::vec3(0.0f)) << "no moon by day";

    // Below the horizon the sun's own colour and strength give nothing.
    DirectionalLight night = SunAt(180.0f);
    const glm::vec3 moonlit = OpenSkyLight(night);
    night.Base.Color = glm::vec3(5.0f);
    night.Base.DiffuseIntensity = 3.0f;
    EXPECT_EQ(OpenSkyLight(night), moonlit);
    night.Direction = glm::vec3(0.0f);
    EXPECT_EQ(OpenSkyLight(night), glm::vec3(0.0f)) << "a light with no direction yet";
}
