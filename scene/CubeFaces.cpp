#include "scene/CubeFaces.h"

#include "camera/CameraMath.h"
#include "core/Projection.h"

const std::array<CubeFace, 6> CubeFaceTable = {{
    {GL_TEXTURE_CUBE_MAP_POSITIVE_X, {1.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}},
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_X, {-1.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}},
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Y, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, {0.0f, -1.0f, 0.0f}, {0.0f, 0.0f, -1.0f}},
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Z, {0.0f, 0.0f, 1.0f}, {0.0f, -1.0f, 0.0f}},
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, {0.0f, 0.0f, -1.0f}, {0.0f, -1.0f, 0.0f}},
}};

Matrix4 MakeCubeFaceView(const glm::vec3& eye, const CubeFace& face)
{
    return MakeLookAt(eye, eye + face.direction, face.up);
}

Matrix4 MakeCubeFaceProjection(float aspect)
{
    return MakePerspective(90.0f, aspect, 0.5f, 1000.0f);
}
