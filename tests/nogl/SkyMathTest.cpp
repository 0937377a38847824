#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Matrix4.h"
#include "scene/SceneAnimation.h"
#include "scene/SkyMath.h"

namespace
{
void ExpectColor(const glm::vec3& actual, const glm::vec3& expected)
{
    EXPECT_LT(glm::distance(actual, expected), 1e-5f) << actual.r << ", " << actual.g << ", " << actual.b;
}
}

TEST(SkyMathTest, FollowsTheTableAroundTheDay)
{
    const glm::vec3 white(1.0f), dusk(0.568f, 0.396f, 0.486f), night(0.2f);
    ExpectColor(SunColorAt(80.0f), white);
    ExpectColor(SunColorAt(100.0f), dusk + (night - dusk) / 3.0f);
    ExpectColor(SunColorAt(250.9f), night);
    ExpectColor(SunColorAt(267.9f), dusk + (glm::vec3(0.717f, 0.639f, 0.69f) - dusk) * 0.4f); // whole degrees
    ExpectColor(SunColorAt(-10.7f), white);               // -10 wraps to 350
    ExpectColor(SunColorAt(-260.0f), SunColorAt(100.0f)); // and further round
    ExpectColor(SunColorAt(460.0f), SunColorAt(100.0f));
}

TEST(SkyMathTest, AreSpreadUnitVectorsTurnedByTheTwist)
{
    const std::vector<glm::vec3> stars = StarDirections(1234);
    ASSERT_EQ(stars.size(), 100u);
    float closest = 10.0f;
    for (size_t i = 0; i < stars.size(); ++i)
    {
        EXPECT_NEAR(glm::length(stars[i]), 1.0f, 1e-5f);
        for (size_t j = i + 1; j < stars.size(); ++j)
            closest = std::min(closest, glm::length(stars[i] - stars[j]));
    }
    EXPECT_GT(closest, 0.1f); // no two stars within about 6 degrees

    const std::vector<glm::vec3> other = StarDirections(20000);
    EXPECT_EQ(stars, StarDirections(1234));
    EXPECT_NE(stars, other);
    EXPECT_FLOAT_EQ(stars[0].y, other[0].y); // the twist turns, it does not move rings
}

TEST(SkyMathTest, RecoverTheObjectRotationSurviveGimbalLockAndFaceSkyQuadsInward)
{
    // Angles come back as (-y, x, z) of the rotation they were read from.
    for (const glm::vec3 degrees : {glm::vec3(10, 20, 30), glm::vec3(-70, 45, 120), glm::vec3(170, -80, -5)})
    {
        const Matrix4 rotation = MakeRotationMatrix(degrees);
        std::array<float, 9> columnMajor;
        for (int col = 0; col < 3; ++col)
            for (int row = 0; row < 3; ++row)
                columnMajor[size_t(col * 3 + row)] = rotation.m[row][col];
        ExpectColor(EulerAnglesFromMatrix(columnMajor), glm::radians(glm::vec3(-degrees.y, degrees.x, degrees.z)));
    }
    // The two gimbal cases: m2 = -1 and m2 = +1.
    const glm::vec3 down = EulerAnglesFromMatrix({0, 0, -1, 0, 1, 0, 1, 0, 0});
    const glm::vec3 up = EulerAnglesFromMatrix({0, 0, 1, 0, 1, 0, -1, 0, 0});
    EXPECT_NEAR(down.y, 1.5707963f, 1e-6f);
    EXPECT_NEAR(up.y, -1.5707963f, 1e-6f);
    EXPECT_FALSE(std::isnan(up.z) || std::isnan(down.z));

    std::vector<glm::vec3> positions = StarDirections(777);
    positions.insert(positions.end(), {{0, 1, 0}, {0, -1, 0}});
    for (const glm::vec3& p : positions)
    {
        const glm::vec4 normal = MakeRotationMatrix(FacingRotation(p)) * glm::vec4(0, 0, 1, 0);
        EXPECT_NEAR(glm::dot(glm::vec3(normal), p), 1.0f, 1e-4f) << p.x << "," << p.y << "," << p.z;
    }
}

TEST(SkyMathTest, SunSitsOppositeTheLightAndStarsShowOnlyAtNight)
{
    for (float t : {0.001f, 36.5f, 95.0f, 180.0f, 271.0f, -45.0f})
    {
        // The sun quad sits at (0, 1, 0) turned about z by the time of day.
        const glm::vec4 sun = MakeRotationMatrix({0.0f, 0.0f, t}) * glm::vec4(0, 1, 0, 0);
        EXPECT_NEAR(glm::dot(glm::vec3(sun), SunDirection(t)), -1.0f, 1e-5f) << t;
    }
    EXPECT_FLOAT_EQ(StarVisibility(0.9f, 36.5f), 0.0f);
    EXPECT_FLOAT_EQ(StarVisibility(0.9f, 85.0f), 0.0f);
    EXPECT_FLOAT_EQ(StarVisibility(0.9f, 180.0f), 1.0f);
    EXPECT_FLOAT_EQ(StarVisibility(0.1f, 180.0f), 0.0f); // below the fade band
    EXPECT_NEAR(StarVisibility(0.3f, 180.0f), 0.5f, 1e-5f);
}

TEST(SkyMathTest, TheSunsColourTakesAnyTimeOfDay)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float angle : {nan, infinity, -infinity, 3.0e9f, -3.0e9f, 1.0e30f})
    {
        const glm::vec3 colour = SunColorAt(angle);
        EXPECT_TRUE(std::isfinite(colour.r) && std::isfinite(colour.g) && std::isfinite(colour.b)) << angle;
    }
    EXPECT_EQ(SunColorAt(nan), SunColorAt(0.0f));
    EXPECT_EQ(SunColorAt(3600000100.0f), SunColorAt(3600000100.0f - 3600000000.0f));
}
