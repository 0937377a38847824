#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "camera/CameraMath.h"

namespace
{
void ExpectVecNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
}

TEST(CameraMath, LookAtIsTheRowMajorFormOfTheLibraryLookAt)
{
    const glm::vec3 cases[][3] = {
        {{0, 25, -43.3f}, {0, 0, 0}, {0, 1, 0}},
        {{3, -2, 7}, {-1, 4, 0.5f}, {0, 1, 0}},
        {{0, 5, 0}, {0, 0, 1}, {0, 1, 0}},
    };
    for (const auto& c : cases)
    {
        const Matrix4 view = MakeLookAt(c[0], c[1], c[2]);
        const glm::mat4 expected = glm::lookAt(c[0], c[1], c[2]);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                EXPECT_FLOAT_EQ(view.m[row][col], expected[col][row]) << row << "," << col;

        // The eye lands on the origin and the centre straight ahead on -z.
        const glm::vec4 eye = view * glm::vec4(c[0], 1.0f);
        const glm::vec4 centre = view * glm::vec4(c[1], 1.0f);
        ExpectVecNear(glm::vec3(eye), glm::vec3(0.0f));
        ExpectVecNear(glm::vec3(centre), glm::vec3(0.0f, 0.0f, -glm::length(c[1] - c[0])));
    }
}

TEST(CameraMath, RotateAroundAxisIsRightHandedAndKeepsLength)
{
    glm::vec3 v(1.0f, 0.0f, 0.0f);
    RotateAroundAxis(v, 90.0f, glm::vec3(0, 1, 0));
    ExpectVecNear(v, glm::vec3(0.0f, 0.0f, -1.0f));

    glm::vec3 w(0.0f, 0.0f, 1.0f);
    RotateAroundAxis(w, 90.0f, glm::vec3(1, 0, 0));
    ExpectVecNear(w, glm::vec3(0.0f, -1.0f, 0.0f));

    glm::vec3 u(2.0f, -3.0f, 5.0f);
    const glm::vec3 axis = glm::normalize(glm::vec3(1.0f, 2.0f, -1.0f));
    RotateAroundAxis(u, 37.0f, axis);
    EXPECT_NEAR(glm::length(u), glm::length(glm::vec3(2.0f, -3.0f, 5.0f)), 1e-4f);
    RotateAroundAxis(u, -37.0f, axis);
    ExpectVecNear(u, glm::vec3(2.0f, -3.0f, 5.0f));

    glm::vec3 along = axis * 4.0f;
    RotateAroundAxis(along, 123.0f, axis);
    ExpectVecNear(along, axis * 4.0f);
}

TEST(CameraMath, PitchIsElevationInDegrees)
{
    EXPECT_NEAR(GetPitch(glm::vec3(1, 1, 0)), 45.0f, 1e-3f);
    EXPECT_NEAR(GetPitch(glm::vec3(0, -3, 3)), -45.0f, 1e-3f);
    EXPECT_NEAR(GetPitch(glm::vec3(0, -25, 43.30127f)), -30.0f, 1e-3f);
    EXPECT_NEAR(GetPitch(glm::vec3(-4, 0, 7)), 0.0f, 1e-2f);
    EXPECT_NEAR(GetPitch(glm::vec3(0.1f, 0.2f, 0.3f)), GetPitch(glm::vec3(10, 20, 30)), 1e-3f);
    // Straight up or down and the zero direction give defined values, not NaN.
    EXPECT_EQ(GetPitch(glm::vec3(0, 2, 0)), 90.0f);
    EXPECT_EQ(GetPitch(glm::vec3(0, -2, 0)), -90.0f);
    EXPECT_EQ(GetPitch(glm::vec3(0.0f)), 0.0f);
}

TEST(CameraMath, TiltDropsAStepThatWouldReachTheVerticalLimit)
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
    ASSERT_TRUE(TiltDirection(d, 59.0f, up));
    EXPECT_NEAR(GetPitch(d), 89.0f, 1e-2f);

    glm::vec3 down(0.0f, 0.0f, 1.0f);
    EXPECT_FALSE(TiltDirection(down, -90.0f, up));
    ASSERT_TRUE(TiltDirection(down, -89.0f, up));
    EXPECT_NEAR(GetPitch(down), -89.0f, 1e-2f);

    // Directions without a horizontal axis are left alone.
    glm::vec3 vertical(0.0f, 3.0f, 0.0f);
    EXPECT_FALSE(TiltDirection(vertical, -10.0f, up));
    EXPECT_EQ(vertical, glm::vec3(0.0f, 3.0f, 0.0f));
    glm::vec3 zero(0.0f);
    EXPECT_FALSE(TiltDirection(zero, 10.0f, up));
    EXPECT_EQ(zero, glm::vec3(0.0f));
}
