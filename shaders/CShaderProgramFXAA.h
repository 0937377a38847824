#pragma once

#include "shaders/CShaderProgram.h"

// Anti-aliasing of the final image.
class CShaderProgramFXAA : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
