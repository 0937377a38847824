#pragma once

#include "shaders/CShaderProgram.h"

// One direction of the separable bloom blur.
class CShaderProgramBlur : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
