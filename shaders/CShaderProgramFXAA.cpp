#include "shaders/CShaderProgramFXAA.h"

#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramFXAA::uniformNames = {
    {"gSampler"}, {"gSampleSize"}, {"gFXAASubpixShift"}, {"gFXAASpanMax"}, {"gFXAAReduceMul"}};

CShaderProgramFXAA::CShaderProgramFXAA()
    : CVertexFragmentProgram("Resources\\shaders\\FXAA.vert", "Resources\\shaders\\FXAA.frag", uniformNames)
{
}

void CShaderProgramFXAA::SetFXAAValues(const glm::vec2& sampleSize, float subpixShift, float spanMax,
                                       float reduceMul) const
{
    SetUniform(*this, "gSampleSize", sampleSize);
    SetUniform(*this, "gFXAASubpixShift", subpixShift);
    SetUniform(*this, "gFXAASpanMax", spanMax);
    SetUniform(*this, "gFXAAReduceMul", reduceMul);
}
