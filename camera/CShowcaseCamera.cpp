#include "camera/CShowcaseCamera.h"

#include <cmath>

#include "app/CApplication.h"
#include "camera/CameraMath.h"

namespace
{
const glm::vec3 kWorldUp(0.0f, 1.0f, 0.0f);
const float kDegreesToRadians = 0.017453292f;
}

Matrix4 CShowcaseCamera::GetViewMatrix()
{
    return MakeLookAt(position, target, kWorldUp);
}

void CShowcaseCamera::Update()
{
    ApplyPointerRequest(Step(ReadCameraInput(), CApplication::GetInstance().deltaTime));
}

PointerRequest CShowcaseCamera::Step(const CameraInput& input, float deltaTime)
{
    if (!input.hasFocus)
        return PointerRequest();
    if (input.alt || input.rightButton)
        return FreeLook(input);
    return Orbit(input, deltaTime);
}

PointerRequest CShowcaseCamera::Orbit(const CameraInput& input, float deltaTime)
{
    looking = false;
    if (input.wheelY != 0)
    {
        distance -= float(input.wheelY) * (speed * 10.0f * deltaTime);
        recentering = true;
    }
    const float step = speed * deltaTime;
    const float pitchKeys = float(input.forward) - float(input.back);
    const float yawKeys = float(input.right) - float(input.left);
    pitch += pitchKeys * step;
    yaw += yawKeys * step;
    if (input.forward || input.back || input.left || input.right)
        recentering = true;

    if (recentering)
        Recenter();
    ClampOrbit();

    const float yawRadians = yaw * kDegreesToRadians;
    const float pitchRadians = pitch * kDegreesToRadians;
    position = glm::vec3(std::sin(yawRadians) * std::cos(pitchRadians) * distance,
                         std::sin(pitchRadians) * distance,
                         std::cos(yawRadians) * std::cos(pitchRadians) * distance);
    PointerRequest request;
    request.cursor = CursorVisibility::Shown;
    return request;
}

void CShowcaseCamera::Recenter()
{
    target *= 0.9f;
    if (glm::dot(target, target) < 0.005f)
    {
        target = glm::vec3(0.0f);
        recentering = false;
    }
}

void CShowcaseCamera::ClampOrbit()
{
    distance = glm::min(100.0f, distance);
    if (!(distance > 10.0f))
        distance = 10.0f;
    pitch = glm::min(70.0f, pitch);
    if (!(pitch > 5.0f))
        pitch = 5.0f;
}

PointerRequest CShowcaseCamera::FreeLook(const CameraInput& input)
{
    if (!looking)
    {
        recentering = false;
        lookAnchor = input.pointer;
        looking = true;
    }
    const float dx = float(lookAnchor.x - input.pointer.x) * sensitivity;
    const float dy = float(input.pointer.y - lookAnchor.y) * sensitivity;
    TurnView(position, target, dx, dy, kWorldUp);
    return PointerRequest{true, lookAnchor, CursorVisibility::Hidden};
}
