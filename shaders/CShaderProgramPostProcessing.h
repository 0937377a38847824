#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Final composite of the scene targets: tone mapping, bloom, lens flare, depth of field, vignette.
class CShaderProgramPostProcessing : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramPostProcessing();
};
