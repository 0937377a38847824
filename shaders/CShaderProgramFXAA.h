#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Anti-aliasing of the final image.
class CShaderProgramFXAA : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramFXAA();
};
