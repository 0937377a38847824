#pragma once

#include "shaders/CShaderProgramShadowMap.h"

// Depth of the sun's shadow casters that have no holes in their textures:
// the same vertex stage and "gMVP", and a fragment stage that does nothing,
// so the rasterizer writes depth without running a shader that could discard.
class CShaderProgramShadowMapOpaque : public CShaderProgramShadowMap
{
public:
    static const UniformTable uniformNames;

    CShaderProgramShadowMapOpaque();
};
