#pragma once

#include "shaders/CShaderProgram.h"

// Lens flare ghosts and halo from the downscaled bright part.
class CShaderProgramLensFlareFeatures : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
