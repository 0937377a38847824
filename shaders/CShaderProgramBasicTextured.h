#pragma once

#include "shaders/CVertexFragmentProgram.h"

// A texture on unit 0 tinted by a colour whose alpha blends: "gMVP",
// "gSampler" and "gColor". The time-of-day sky draws its sun, moon and stars with it.
class CShaderProgramBasicTextured : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramBasicTextured();

    void SetupEntity(const SceneObject& object) override;

};
