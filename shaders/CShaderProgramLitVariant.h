#pragma once

#include "shaders/CShaderProgram.h"
#include "shaders/LitVariantKey.h"

// One variant of the lit program: lightShadows.vert and .frag compiled with
// its key's defines, the lit program's uniform table registered, and its
// samplers pointed at their fixed units. Only the full variant reports the
// uniforms it lacks; the others leave out whole terms on purpose.
class CShaderProgramLitVariant : public CShaderProgram
{
public:
    void Build(const LitVariantKey& key, const UniformTable& table);
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;
    bool built = false; // tried since the last Destroy, whether or not it linked

private:
    void PointSamplersAtFixedUnits();
};
