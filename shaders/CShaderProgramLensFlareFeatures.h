#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Lens flare ghosts and halo from the downscaled bright part.
class CShaderProgramLensFlareFeatures : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramLensFlareFeatures();
};
