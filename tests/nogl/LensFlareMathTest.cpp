#include <gtest/gtest.h>

#include "camera/CameraMath.h"
#include "effects/LensFlareMath.h"

TEST(LensFlareMathTest, SmallTargetsAreAnEighthTruncated)
{
    EXPECT_EQ(LensFlareSmallSize(100, 60), glm::ivec2(12, 7));
    EXPECT_EQ(LensFlareSmallSize(1600, 900), glm::ivec2(200, 112));
    EXPECT_EQ(LensFlareSmallSize(7, 7), glm::ivec2(0, 0));
}

TEST(LensFlareMathTest, StarburstTurnsWithTheCamera)
{
    const glm::vec3 eye(3.0f, 2.0f, 5.0f);
    const Matrix4 level = MakeLookAt(eye, eye + glm::vec3(0, 0, -1), glm::vec3(0, 1, 0));
    EXPECT_NEAR(StarburstAngle(level), 1.0f, 1e-6f);

    // A quarter turn about the vertical axis brings the world x axis onto the view axis.
    const Matrix4 turned = MakeLookAt(eye, eye + glm::vec3(1, 0, 0), glm::vec3(0, 1, 0));
    EXPECT_NEAR(StarburstAngle(turned), 0.0f, 1e-6f);
    const Matrix4 slightly = MakeLookAt(eye, eye + glm::vec3(0.2f, 0, -1), glm::vec3(0, 1, 0));
    EXPECT_GT(std::abs(StarburstAngle(slightly) - 1.0f), 0.1f);
}

TEST(LensFlareMathTest, StarburstMatrixTurnsAboutTheImageCentre)
{
    for (float angle : {0.0f, 1.0f, 2.5f, -0.7f})
    {
        const glm::mat3 m = StarburstMatrix(angle);
        const glm::vec3 centre = m * glm::vec3(0.5f, 0.5f, 1.0f);
        EXPECT_NEAR(centre.x, 0.5f, 1e-6f);
        EXPECT_NEAR(centre.y, 0.5f, 1e-6f);
        // A point at the right edge stays half a unit from the centre.
        const glm::vec3 edge = m * glm::vec3(1.0f, 0.5f, 1.0f);
        EXPECT_NEAR(glm::length(glm::vec2(edge) - glm::vec2(0.5f)), 0.5f, 1e-6f);
        EXPECT_NEAR(edge.z, 1.0f, 1e-6f);
    }
    const glm::vec3 quarter = StarburstMatrix(1.5707963f) * glm::vec3(1.0f, 0.5f, 1.0f);
    EXPECT_NEAR(quarter.x, 0.5f, 1e-5f);
    EXPECT_NEAR(std::abs(quarter.y - 0.5f), 0.5f, 1e-5f);
}
