#pragma once

#include <cstdint>

#include "shaders/CVertexFragmentProgram.h"

// Depth of the sun's shadow casters into one cascade: "gMVP", "gSampler".
class CShaderProgramShadowMap : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramShadowMap();

    // cascade projection x light view x model, for the cascade in `cascadeIndex`.
    void SetupEntity(const SceneObject& object) override;

    int32_t cascadeIndex = 0; // set by the cascade pass before each cascade

protected:
    CShaderProgramShadowMap(const char* fragmentPath, const UniformTable& table);
};
