#pragma once

#include "shaders/CShaderProgram.h"

// Draws each particle as a camera-facing quad built by the geometry stage.
class CShaderProgramParticleRender : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader geometryShader;
    CShader fragmentShader;
};
