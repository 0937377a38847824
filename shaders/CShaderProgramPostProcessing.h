#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Final composite of the scene targets: tone mapping, bloom, lens flare, depth of field, vignette.
class CShaderProgramPostProcessing : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramPostProcessing();

    // Depth of field: sharp within `length` of `point`, blurring up to `maxBlur` over `fade` beyond.
    void SetFocalValues(float point, float length, float fade, float maxBlur) const;
};
