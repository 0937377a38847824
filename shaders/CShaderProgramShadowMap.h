#pragma once

#include <cstdint>

#include "shaders/CShaderProgram.h"

// Depth of the sun's shadow casters into one cascade: "gMVP", "gSampler".
class CShaderProgramShadowMap : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;
    // cascade projection x light view x model, for the cascade in `cascadeIndex`.
    void SetupEntity(const SceneObject& object) override;

    CShader vertexShader;
    CShader fragmentShader;
    int32_t cascadeIndex = 0; // set by the cascade pass before each cascade
};
