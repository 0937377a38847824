#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "camera/CameraMath.h"

namespace
{
void ExpectVecNear(const glm::vec3& actual, const glm::vec3& expected)
{
    EXPECT_LT(glm::distance(actual, expected), 1e-4f) << actual.x << ", " << actual.y << ", " << actual.z;
}
}

TEST(CameraMathTest, LookAtIsTheRowMajorFormOfTheLibraryLookAt)
{
    for (const auto& [eye, centre] : {std::make_pair(glm::vec3(0, 25, -43.3f), glm::vec3(0)),
                                      std::make_pair(glm::vec3(3, -2, 7), glm::vec3(-1, 4, 0.5f))})
    {
        const Matrix4 view = MakeLookAt(eye, centre, glm::vec3(0, 1, 0));
        const glm::mat4 expected = glm::lookAt(eye, centre, glm::vec3(0, 1, 0));
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                EXPECT_FLOAT_EQ(view.m[row][col], expected[col][row]) << row << "," << col;
    }
}

TEST(CameraMathTest, RotateAroundAxisIsRightHandedAndKeepsLength)
{
    glm::vec3 v(1.0f, 0.0f, 0.0f);
    RotateAroundAxis(v, 90.0f, glm::vec3(0, 1, 0));
    ExpectVecNear(v, glm::vec3(0.0f, 0.0f, -1.0f));

    glm::vec3 u(2.0f, -3.0f, 5.0f);
    const glm::vec3 axis = glm::normalize(glm::vec3(1.0f, 2.0f, -1.0f));
    RotateAroundAxis(u, 37.0f, axis);
    EXPECT_NEAR(glm::length(u), glm::length(glm::vec3(2.0f, -3.0f, 5.0f)), 1e-4f);
    RotateAroundAxis(u, -37.0f, axis);
    ExpectVecNear(u, glm::vec3(2.0f, -3.0f, 5.0f));
}

TEST(CameraMathTest, PitchIsElevationInDegrees)
{
    EXPECT_NEAR(GetPitch(glm::vec3(1, 1, 0)), 45.0f, 1e-3f);
    EXPECT_NEAR(GetPitch(glm::vec3(0, -25, 43.30127f)), -30.0f, 1e-3f);
    // Straight up or down and the zero direction give defined values, not NaN.
    EXPECT_EQ(GetPitch(glm::vec3(0, 2, 0)), 90.0f);
    EXPECT_EQ(GetPitch(glm::vec3(0, -2, 0)), -90.0f);
    EXPECT_EQ(GetPitch(glm::vec3(0.0f)), 0.0f);
}

TEST(CameraMathTest, TiltDropsAStepThatWouldReachTheVerticalLimit)
{
    const glm::vec3 up(0, 1, 0);
    glm::vec3 d(0.0f, 0.0f, 5.0f);
    ASSERT_TRUE(TiltDirection(d, 30.0f, up));
    EXPECT_NEAR(GetPitch(d), 30.0f, 1e-3f);
    EXPECT_NEAR(glm::length(d), 5.0f, 1e-4f);

    // 30 + 60 would pass 89.8: the whole step is dropped, not clamped.
    const glm::vec3 before = d;
    EXPECT_FALSE(TiltDirection(d, 60.0f, up));
    EXPECT_EQ(d, before);
    EXPECT_FALSE(TiltDirection(d, -120.0f, up));
    ASSERT_TRUE(TiltDirection(d, -119.0f, up));
    EXPECT_NEAR(GetPitch(d), -89.0f, 1e-2f);

    // Directions without a horizontal axis are left alone.
    for (glm::vec3 degenerate : {glm::vec3(0.0f, 3.0f, 0.0f), glm::vec3(0.0f)})
    {
        const glm::vec3 original = degenerate;
        EXPECT_FALSE(TiltDirection(degenerate, 10.0f, up));
        EXPECT_EQ(degenerate, original);
    }
}
