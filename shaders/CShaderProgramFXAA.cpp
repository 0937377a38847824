#include "shaders/CShaderProgramFXAA.h"

const UniformTable CShaderProgramFXAA::uniformNames = {
    {"gSampler"}, {"gSampleSize"}, {"gFXAASubpixShift"}, {"gFXAASpanMax"}, {"gFXAAReduceMul"}};

void CShaderProgramFXAA::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\FXAA.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\FXAA.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramFXAA::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
