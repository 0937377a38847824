#pragma once

#include "core/Matrix4.h"

// Right-handed perspective with depth mapped to [-1, 1]; field of view in degrees.
Matrix4 MakePerspectiveProjection(float fieldOfView, float aspect, float nearPlane, float farPlane);

// 2D orthographic projection over (0, 0)-(width, height) with depth scale -1.
Matrix4 MakeOrthoProjection(int width, int height);
