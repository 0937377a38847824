#pragma once

#include <glm/glm.hpp>

#include "camera/CameraInput.h"
#include "core/CCamera.h"

// Orbits the origin under W/A/S/D and the wheel; Alt or the right mouse button
// turns the view in place (free look) with the pointer held at its anchor.
class CShowcaseCamera : public CCamera
{
public:
    glm::vec3 GetPosition() override { return position; }
    Matrix4 GetViewMatrix() override;
    void Update() override;
    glm::vec3 GetTarget() override { return target; }

    // One frame's step; returns what the desktop pointer should do.
    PointerRequest Step(const CameraInput& input, float deltaTime);

    float yaw = 180.0f;     // degrees around the vertical axis
    float distance = 50.0f; // orbit radius, kept within [10, 100]
    float pitch = 30.0f;    // degrees above the horizontal plane, kept within [5, 70]
    glm::vec3 position{0.0f, 10.0f, -30.0f};
    glm::vec3 target{0.0f, 0.0f, 0.0f};
    float speed = 50.0f;       // degrees per second for the keys; the wheel uses ten times this
    float sensitivity = 0.1f;  // degrees per pixel of pointer motion in free look
    bool looking = false;
    glm::ivec2 lookAnchor{0, 0}; // desktop pointer position where free look began
    bool recentering = false;    // target is decaying back to the origin

private:
    PointerRequest Orbit(const CameraInput& input, float deltaTime);
    PointerRequest FreeLook(const CameraInput& input);
    void Recenter();
    void ClampOrbit();
};
