#pragma once

#include "shaders/CShaderProgram.h"

// Final composite of the scene targets: tone mapping, bloom, lens flare, depth of field, vignette.
class CShaderProgramPostProcessing : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
