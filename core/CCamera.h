#pragma once

#include <glm/glm.hpp>

#include "core/Matrix4.h"

class CCamera
{
public:
    virtual ~CCamera() = default;
    virtual glm::vec3 GetPosition() = 0;
    virtual Matrix4 GetViewMatrix() = 0; // row-major
    virtual void Update() = 0;
    virtual glm::vec3 GetTarget() = 0;
};
