#pragma once

#include <glm/glm.hpp>

#include "camera/CameraInput.h"
#include "core/CCamera.h"

// Free-flying camera: the pointer, held at the window centre, turns the view;
// W/S move along it and A/D strafe.
class CFlyingCamera : public CCamera
{
public:
    glm::vec3 GetPosition() override { return position; }
    Matrix4 GetViewMatrix() override;
    void Update() override;
    // The world origin: this camera orbits nothing.
    glm::vec3 GetTarget() override { return glm::vec3(0.0f); }

    // One frame's step; returns what the desktop pointer should do.
    PointerRequest Step(const CameraInput& input, float deltaTime);

    glm::vec3 position{0.0f, 5.0f, 0.0f};
    glm::vec3 target{0.0f, 0.0f, 1.0f}; // moves with the eye
    glm::vec3 up{0.0f, 1.0f, 0.0f};
    float speed = 25.0f;      // units per second
    float sensitivity = 0.1f; // degrees per pixel of pointer motion

private:
    PointerRequest Look(const CameraInput& input);
    void Move(const CameraInput& input, float deltaTime);
};
