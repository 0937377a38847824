#pragma once

#include "shaders/CShaderProgram.h"

// A texture on unit 0 tinted by a colour whose alpha blends: "gMVP",
// "gSampler" and "gColor". The time-of-day sky draws its sun, moon and stars with it.
class CShaderProgramBasicTextured : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;
    void SetupEntity(const SceneObject& object) override;

    CShader vertexShader;
    CShader fragmentShader;
};
