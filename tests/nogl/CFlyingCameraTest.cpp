#include <gtest/gtest.h>

#include "camera/CFlyingCamera.h"
#include "camera/CameraMath.h"

namespace
{
// A 1600 x 900 window at (100, 50): its centre on the desktop is (900, 500).
CameraInput AtPointer(glm::ivec2 pointer, bool hasFocus = true)
{
    CameraInput input;
    input.hasFocus = hasFocus;
    input.windowPosition = glm::ivec2(100, 50);
    input.windowSize = glm::ivec2(1600, 900);
    input.pointer = pointer;
    return input;
}

void ExpectVecNear(const glm::vec3& actual, const glm::vec3& expected)
{
    EXPECT_LT(glm::distance(actual, expected), 1e-4f) << actual.x << ", " << actual.y << ", " << actual.z;
}
}

TEST(CFlyingCameraTest, KeysMoveEyeAndTargetAlongTheViewAtTheSetSpeed)
{
    CFlyingCamera camera;
    const glm::vec3 forward = glm::normalize(camera.target - camera.position);
    const glm::vec3 right = glm::normalize(glm::cross(forward, camera.up));

    CameraInput input = AtPointer(glm::ivec2(900, 500));
    input.forward = true;
    const PointerRequest request = camera.Step(input, 0.5f);
    ExpectVecNear(camera.position, glm::vec3(0, 5, 0) + forward * 12.5f);
    ExpectVecNear(camera.target - camera.position, glm::vec3(0, -5, 1));
    EXPECT_TRUE(request.warp);
    EXPECT_EQ(request.warpTo, glm::ivec2(900, 500));

    const glm::vec3 start = camera.position;
    input.forward = false;
    input.left = true;
    camera.Step(input, 0.2f);
    ExpectVecNear(camera.position, start - right * 5.0f);
    input.right = true; // opposite keys cancel
    camera.Step(input, 0.2f);
    ExpectVecNear(camera.position, start - right * 5.0f);
}

TEST(CFlyingCameraTest, PointerTurnsTheViewOnlyWithFocus)
{
    CFlyingCamera camera;
    camera.target = camera.position + glm::vec3(0, 0, 1);

    // 50 px right of the centre turns 5 degrees right; 30 px below raises 3 degrees.
    camera.Step(AtPointer(glm::ivec2(950, 530)), 0.016f);
    const glm::vec3 d = camera.target - camera.position;
    EXPECT_NEAR(glm::degrees(std::atan2(d.x, d.z)), -5.0f, 1e-2f);
    EXPECT_NEAR(GetPitch(d), 3.0f, 1e-2f);

    // Unfocused: no look and no warp, but the keys still move the camera.
    CameraInput input = AtPointer(glm::ivec2(0, 0), false);
    input.back = true;
    const glm::vec3 target = camera.target;
    EXPECT_FALSE(camera.Step(input, 0.1f).warp);
    ExpectVecNear(camera.target, target - glm::normalize(d) * 2.5f);
    ExpectVecNear(camera.target - camera.position, d);
}

TEST(CFlyingCameraTest, VerticalLimitAndDegenerateViewsKeepTheCameraFinite)
{
    CFlyingCamera camera; // looks down about 78.7 degrees
    const glm::vec3 before = camera.target;
    camera.Step(AtPointer(glm::ivec2(900, 380)), 0.016f); // 12 more would pass -89.8
    EXPECT_EQ(camera.target, before);

    // Eye and target together: the moves are skipped instead of producing NaN.
    camera.target = camera.position;
    CameraInput input = AtPointer(glm::ivec2(950, 550));
    input.forward = input.right = true;
    camera.Step(input, 0.016f);
    EXPECT_EQ(camera.position, glm::vec3(0, 5, 0));
    EXPECT_EQ(camera.target, glm::vec3(0, 5, 0));
}
