#pragma once

#include "shaders/CShaderProgram.h"

// Lens flare, first pass: the bright part scaled and biased into a small target.
class CShaderProgramLensFlareDownscale : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
