#pragma once

#include "core/Matrix4.h"

// Right-handed perspective with depth mapped to [-1, 1]; vertical field of view in degrees.
Matrix4 MakePerspective(float fieldOfView, float aspect, float nearPlane, float farPlane);

// Right-handed orthographic box with depth mapped to [-1, 1].
Matrix4 MakeOrtho(float left, float right, float bottom, float top, float nearPlane, float farPlane);

// Width over height of a window or target; a side below one pixel (a minimised
// or collapsed window) counts as one, so the ratio stays finite and positive.
float AspectRatio(int width, int height);

// 2D orthographic projection over (0, 0)-(width, height) with depth scale -1;
// sides below one pixel count as one.
Matrix4 MakeOrthoProjection(int width, int height);
