#pragma once

#include <cstdint>
#include <glm/glm.hpp>

#include "core/Matrix4.h"

class CShaderProgram;
class CMesh;

enum SceneObjectFlags : uint32_t
{
    FlagNoShadow = 1,       // never drawn into a shadow map
    FlagAllPointLights = 2, // lit by point lights regardless of distance
    FlagHidden = 4,         // not drawn at all
};

struct SceneObject
{
    glm::vec3 scale = glm::vec3(1.0f);
    glm::vec3 rotation = glm::vec3(0.0f); // degrees about x, y, z
    glm::vec3 position = glm::vec3(0.0f);
    glm::vec4 color = glm::vec4(1.0f);
    CShaderProgram* program = nullptr;
    CMesh* mesh = nullptr;
    uint32_t flags = 0;
    float textureRepeat = 1.0f;
};

// T * R * S, with R = Rz * Ry * Rx.
Matrix4 MakeModelMatrix(const SceneObject& object);
