#include "shaders/CShaderProgramPostProcessing.h"

#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramPostProcessing::uniformNames = {
    {"gScreenTexture"},  {"gBloomTexture"},      {"gDepthTexture"}, {"gLensFlareTexture"},
    {"gExposure"},       {"gToneMappingSwitch"}, {"gBloom"},        {"gDOFSwitch"},
    {"gFocalPoint"},     {"gFocalLength"},       {"gFocalFade"},    {"gFocalMaxBlur"},
    {"gVignetteSwitch"}, {"gDebugTexture"},      {"gDebugView"},    {"gDebugRenderDOFArea"},
};

CShaderProgramPostProcessing::CShaderProgramPostProcessing()
    : CVertexFragmentProgram("Resources\\shaders\\PostProcessing.vert",
                             "Resources\\shaders\\PostProcessing.frag", uniformNames)
{
}

void CShaderProgramPostProcessing::SetFocalValues(float point, float length, float fade, float maxBlur) const
{
    SetUniform(*this, "gFocalPoint", point);
    SetUniform(*this, "gFocalLength", length);
    SetUniform(*this, "gFocalFade", fade);
    SetUniform(*this, "gFocalMaxBlur", maxBlur);
}
