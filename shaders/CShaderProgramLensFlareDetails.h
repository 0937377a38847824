#pragma once

#include "shaders/CShaderProgram.h"

// Lens flare, last pass: lens dirt and a starburst that turns with the camera.
class CShaderProgramLensFlareDetails : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
};
