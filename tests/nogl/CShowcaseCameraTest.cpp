#include <gtest/gtest.h>

#include "camera/CShowcaseCamera.h"
#include "camera/CameraMath.h"

namespace
{
const float kFrame = 1.0f / 60.0f;

CameraInput Focused()
{
    CameraInput input;
    input.hasFocus = true;
    input.pointer = glm::ivec2(800, 450);
    return input;
}

// Free look (Alt held) with the pointer at `pointer`.
CameraInput Looking(glm::ivec2 pointer)
{
    CameraInput input = Focused();
    input.alt = true;
    input.pointer = pointer;
    return input;
}

// Steps the camera `frames` times with the same input.
void Hold(CShowcaseCamera& camera, const CameraInput& input, int frames)
{
    for (int i = 0; i < frames; ++i)
        camera.Step(input, kFrame);
}
}

TEST(CShowcaseCameraTest, FirstUpdateOrbitsIntoPlaceAndNothingMovesWithoutFocus)
{
    CShowcaseCamera camera;
    const PointerRequest request = camera.Step(Focused(), kFrame);
    EXPECT_NEAR(glm::distance(camera.position, glm::vec3(0.0f, 25.0f, -43.30127f)), 0.0f, 1e-3f);
    EXPECT_EQ(camera.GetTarget(), glm::vec3(0.0f));
    EXPECT_FALSE(request.warp);
    EXPECT_EQ(request.cursor, CursorVisibility::Shown);

    CShowcaseCamera idle;
    CameraInput input = Looking(glm::ivec2(10, 10));
    input.hasFocus = false;
    input.forward = true;
    input.wheelY = 3;
    const PointerRequest ignored = idle.Step(input, kFrame);
    EXPECT_EQ(idle.position, glm::vec3(0.0f, 10.0f, -30.0f));
    EXPECT_FALSE(idle.looking || ignored.warp);
    EXPECT_EQ(ignored.cursor, CursorVisibility::Unchanged);
}

TEST(CShowcaseCameraTest, KeysAndWheelStayWithinTheOrbitLimits)
{
    CShowcaseCamera camera;
    CameraInput input = Focused();
    input.forward = true;
    camera.Step(input, kFrame);
    EXPECT_NEAR(camera.pitch, 30.0f + 50.0f * kFrame, 1e-4f);
    Hold(camera, input, 200);
    EXPECT_EQ(camera.pitch, 70.0f);
    input.forward = false;
    input.back = true;
    Hold(camera, input, 200);
    EXPECT_EQ(camera.pitch, 5.0f);

    // One notch away from the user moves closer by ten times the key rate.
    CShowcaseCamera zoom;
    CameraInput wheel = Focused();
    wheel.wheelY = 1;
    zoom.Step(wheel, kFrame);
    EXPECT_NEAR(zoom.distance, 50.0f - 500.0f * kFrame, 1e-3f);
    Hold(zoom, wheel, 100);
    EXPECT_EQ(zoom.distance, 10.0f);
    EXPECT_NEAR(glm::length(zoom.position), 10.0f, 1e-3f);
    wheel.wheelY = -2;
    Hold(zoom, wheel, 100);
    EXPECT_EQ(zoom.distance, 100.0f);

    // Yaw keeps turning without wrapping.
    CShowcaseCamera spin;
    CameraInput turn = Focused();
    turn.right = true;
    Hold(spin, turn, 600);
    EXPECT_NEAR(spin.yaw, 180.0f + 500.0f, 0.05f);
}

TEST(CShowcaseCameraTest, TargetRecentersByATenthPerFrameUntilItSnaps)
{
    CShowcaseCamera camera;
    camera.target = glm::vec3(3.0f, 0.0f, 0.0f);
    // With no orbit input the target stays where free look left it.
    camera.Step(Focused(), kFrame);
    EXPECT_EQ(camera.target, glm::vec3(3.0f, 0.0f, 0.0f));

    CameraInput key = Focused();
    key.left = true;
    camera.Step(key, kFrame);
    EXPECT_TRUE(camera.recentering);
    EXPECT_FLOAT_EQ(camera.target.x, 2.7f);

    // The decay goes on without further input, independent of frame time.
    int frames = 1;
    while (camera.recentering && frames < 100)
    {
        const float before = camera.target.x;
        camera.Step(Focused(), 0.5f);
        ++frames;
        if (camera.recentering)
            EXPECT_FLOAT_EQ(camera.target.x, before * 0.9f);
        else
            EXPECT_LT(before * 0.9f * before * 0.9f, 0.005f);
    }
    EXPECT_EQ(frames, 36);
    EXPECT_EQ(camera.target, glm::vec3(0.0f));
}

TEST(CShowcaseCameraTest, FreeLookTurnsInPlaceAndHoldsThePointer)
{
    CShowcaseCamera camera;
    camera.Step(Focused(), kFrame);
    camera.target = glm::vec3(1.0f, 0.0f, 0.0f);
    camera.recentering = true;
    const glm::vec3 eye = camera.position;

    PointerRequest request = camera.Step(Looking(glm::ivec2(500, 300)), kFrame);
    EXPECT_TRUE(camera.looking);
    EXPECT_FALSE(camera.recentering);
    EXPECT_EQ(camera.target, glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(request.warp);
    EXPECT_EQ(request.warpTo, glm::ivec2(500, 300));
    EXPECT_EQ(request.cursor, CursorVisibility::Hidden);

    // Pointer 100 px right turns the view 10 degrees right (towards -x here), back to the anchor.
    const glm::vec3 before = camera.target - eye;
    request = camera.Step(Looking(glm::ivec2(600, 300)), kFrame);
    const glm::vec3 after = camera.target - eye;
    EXPECT_NEAR(glm::degrees(std::atan2(after.x, after.z) - std::atan2(before.x, before.z)), -10.0f, 1e-2f);
    EXPECT_NEAR(glm::length(after), glm::length(before), 1e-3f);
    EXPECT_EQ(request.warpTo, glm::ivec2(500, 300));
    EXPECT_EQ(camera.position, eye);

    // The right button works as Alt does: 50 px down raises the view by 5 degrees.
    CameraInput down = Looking(glm::ivec2(500, 350));
    down.alt = false;
    down.rightButton = true;
    camera.Step(down, kFrame);
    EXPECT_NEAR(GetPitch(camera.target - eye), GetPitch(after) + 5.0f, 1e-2f);

    // Releasing leaves the target where free look put it.
    const glm::vec3 looked = camera.target;
    request = camera.Step(Focused(), kFrame);
    EXPECT_FALSE(camera.looking);
    EXPECT_EQ(camera.target, looked);
    EXPECT_EQ(request.cursor, CursorVisibility::Shown);
}

TEST(CShowcaseCameraTest, FreeLookDropsAStepThatWouldCrossTheVerticalLimit)
{
    CShowcaseCamera camera;
    camera.Step(Focused(), kFrame);
    camera.Step(Looking(glm::ivec2(0, 0)), kFrame); // anchor at (0, 0)
    // Looking down 30 degrees: +119 degrees would end at 89 and is taken.
    camera.Step(Looking(glm::ivec2(0, 1190)), kFrame);
    const glm::vec3 nearTop = camera.target;
    EXPECT_NEAR(GetPitch(nearTop - camera.position), 89.0f, 1e-2f);

    // A further degree would reach 90: dropped whole, not clamped to 89.8.
    camera.Step(Looking(glm::ivec2(0, 10)), kFrame);
    EXPECT_EQ(camera.target, nearTop);
    camera.Step(Looking(glm::ivec2(0, -1790)), kFrame);
    EXPECT_EQ(camera.target, nearTop);
    camera.Step(Looking(glm::ivec2(0, -1780)), kFrame);
    EXPECT_NEAR(GetPitch(camera.target - camera.position), -89.0f, 1e-2f);
}
