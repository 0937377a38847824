#include "shaders/CShaderProgramPostProcessing.h"

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
