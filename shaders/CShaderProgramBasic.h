#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Flat, unlit colour (the light marker): "gMVP" and "gColor".
class CShaderProgramBasic : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramBasic();

    void SetupEntity(const SceneObject& object) override;

};
