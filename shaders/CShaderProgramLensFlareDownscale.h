#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Lens flare, first pass: the bright part scaled and biased into a small target.
class CShaderProgramLensFlareDownscale : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramLensFlareDownscale();
};
