#pragma once

#include <glm/glm.hpp>

#include "shaders/CVertexFragmentProgram.h"

// Anti-aliasing of the final image.
class CShaderProgramFXAA : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramFXAA();

    // The filter's inputs besides its sampler: the target size in pixels and the three tuning values.
    void SetFXAAValues(const glm::vec2& sampleSize, float subpixShift, float spanMax, float reduceMul) const;
};
