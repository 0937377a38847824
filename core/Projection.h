#pragma once

#include "core/Matrix4.h"

// Right-handed perspective with depth mapped to [-1, 1]; vertical field of view in degrees.
Matrix4 MakePerspective(float fieldOfView, float aspect, float nearPlane, float farPlane);

// Right-handed orthographic box with depth mapped to [-1, 1].
Matrix4 MakeOrtho(float left, float right, float bottom, float top, float nearPlane, float farPlane);

// 2D orthographic projection over (0, 0)-(width, height) with depth scale -1.
Matrix4 MakeOrthoProjection(int width, int height);
