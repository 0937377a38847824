#include "shaders/CShaderProgramPostProcessing.h"

const UniformTable CShaderProgramPostProcessing::uniformNames = {
    {"gScreenTexture"},  {"gBloomTexture"},      {"gDepthTexture"}, {"gLensFlareTexture"},
    {"gExposure"},       {"gToneMappingSwitch"}, {"gBloom"},        {"gDOFSwitch"},
    {"gFocalPoint"},     {"gFocalLength"},       {"gFocalFade"},    {"gFocalMaxBlur"},
    {"gVignetteSwitch"}, {"gDebugTexture"},      {"gDebugView"},    {"gDebugRenderDOFArea"},
};

void CShaderProgramPostProcessing::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\PostProcessing.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\PostProcessing.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramPostProcessing::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
