#pragma once

#include "shaders/CVertexFragmentProgram.h"

// One direction of the separable bloom blur.
class CShaderProgramBlur : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramBlur();
};
