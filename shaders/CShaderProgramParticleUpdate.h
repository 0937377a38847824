#pragma once

#include "shaders/CShaderProgram.h"

// Particle simulation by transform feedback: a vertex and a geometry stage
// whose emitted points are captured, no fragment stage.
class CShaderProgramParticleUpdate : public CShaderProgram
{
public:
    static const UniformTable uniformNames;
    // Captured outputs, interleaved in this order.
    static const char* const feedbackOutputs[4];

    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader geometryShader;
};
