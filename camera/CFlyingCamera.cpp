#include "camera/CFlyingCamera.h"

#include "app/CApplication.h"
#include "camera/CameraMath.h"

Matrix4 CFlyingCamera::GetViewMatrix()
{
    return MakeLookAt(position, target, up);
}

void CFlyingCamera::Update()
{
    ApplyPointerRequest(Step(ReadCameraInput(), CApplication::GetInstance().deltaTime));
}

PointerRequest CFlyingCamera::Step(const CameraInput& input, float deltaTime)
{
    PointerRequest request;
    if (input.hasFocus)
        request = Look(input);
    Move(input, deltaTime);
    return request;
}

PointerRequest CFlyingCamera::Look(const CameraInput& input)
{
    const glm::ivec2 centre = input.windowPosition + input.windowSize / 2;
    const float dx = float(centre.x - input.pointer.x) * sensitivity;
    const float dy = float(input.pointer.y - centre.y) * sensitivity;
    TurnView(position, target, dx, dy, up);
    return PointerRequest{true, centre, CursorVisibility::Unchanged};
}

void CFlyingCamera::Move(const CameraInput& input, float deltaTime)
{
    const glm::vec3 direction = target - position;
    // A zero direction or one along `up` has no usable axis: those moves are skipped
    // rather than turning the position into NaN.
    const glm::vec3 forward = NormalizeOrZero(direction) * speed;
    const glm::vec3 right = NormalizeOrZero(glm::cross(direction, up)) * speed;
    glm::vec3 move(0.0f);
    if (input.forward)
        move += forward * deltaTime;
    if (input.back)
        move -= forward * deltaTime;
    if (input.left)
        move -= right * deltaTime;
    if (input.right)
        move += right * deltaTime;
    position += move;
    target += move;
}
