#include "core/Projection.h"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>

Matrix4 MakePerspective(float fieldOfView, float aspect, float nearPlane, float farPlane)
{
    const float radians = float(double(fieldOfView) * 3.14159265358979323846 / 180.0);
    return Matrix4::FromGlm(glm::perspective(radians, aspect, nearPlane, farPlane));
}

Matrix4 MakeOrtho(float left, float right, float bottom, float top, float nearPlane, float farPlane)
{
    return Matrix4::FromGlm(glm::ortho(left, right, bottom, top, nearPlane, farPlane));
}

float AspectRatio(int width, int height)
{
    return float(std::max(width, 1)) / float(std::max(height, 1));
}

Matrix4 MakeOrthoProjection(int width, int height)
{
    Matrix4 r = Matrix4::Identity();
    r.m[0][0] = 2.0f / float(std::max(width, 1));
    r.m[0][3] = -1.0f;
    r.m[1][1] = 2.0f / float(std::max(height, 1));
    r.m[1][3] = -1.0f;
    r.m[2][2] = -1.0f;
    return r;
}
