#pragma once

#include "shaders/CShaderProgram.h"

// Flat, unlit colour (the light marker): "gMVP" and "gColor".
class CShaderProgramBasic : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;
    void SetupEntity(const SceneObject& object) override;

    CShader vertexShader;
    CShader fragmentShader;
};
