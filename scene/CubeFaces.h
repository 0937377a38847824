#pragma once

#include <GL/glew.h>

#include <array>
#include <glm/glm.hpp>

#include "core/Matrix4.h"

// One face of a point light's shadow cube: the cube-map face it fills and the
// view that looks through it from the light.
struct CubeFace
{
    GLenum target;
    glm::vec3 direction;
    glm::vec3 up;
};

// +X, -X, +Y, -Y, +Z, -Z in cube-map face order.
extern const std::array<CubeFace, 6> CubeFaceTable;

// View from `eye` through `face`.
Matrix4 MakeCubeFaceView(const glm::vec3& eye, const CubeFace& face);

// 90-degree perspective of one face: near 0.5, far 1000.
Matrix4 MakeCubeFaceProjection(float aspect);
