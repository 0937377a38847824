#include "shaders/CShaderProgramLitVariant.h"

#include "core/FormatString.h"
#include "core/LitBindings.h"
#include "shaders/UniformUpload.h"

void CShaderProgramLitVariant::Build(const LitVariantKey& key, const UniformTable& table)
{
    const std::vector<std::string> defines = LitVariantDefines(key);
    const bool full = LitVariantIndex(key) == LitVariantIndex(kFullLitVariant);
    CreateFromStages({{&vertexShader, "Resources\\shaders\\lightShadows.vert", GL_VERTEX_SHADER, defines},
                      {&fragmentShader, "Resources\\shaders\\lightShadows.frag", GL_FRAGMENT_SHADER, defines}},
                     table, full);
    built = true;
    PointSamplersAtFixedUnits();
}

void CShaderProgramLitVariant::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
    built = false;
}

// Every sampler starts at its own unit. Left at the link-time default of 0, the
// cube samplers of slots that never get a shadow-casting light would share
// unit 0 with the 2D diffuse sampler, and OpenGL refuses draws where one unit
// is sampled as two texture types.
void CShaderProgramLitVariant::PointSamplersAtFixedUnits()
{
    if (!linked)
        return;
    glUseProgram(programId);
    SetUniform(*this, "gSampler", kDiffuseUnit);
    SetUniform(*this, "gNormalMap", kNormalUnit);
    SetUniform(*this, "gSpecularMap", kSpecularUnit);
    SetUniform(*this, "gGlowMap", kGlowUnit);
    for (int i = 0; i < kCascadeCount; ++i)
        SetUniform(*this, FormatString("gShadowMapDir[%d]", i), kFirstCascadeUnit + i);
    for (int slot = 0; slot < kMaxPointLightsPerDraw; ++slot)
        SetUniform(*this, FormatString("gPointLights[%d].ShadowMap", slot), kFirstPointShadowUnit + slot);
    // Not the program that was current before: it may have been deleted meanwhile.
    glUseProgram(0);
}
