#include "shaders/CShaderProgramFXAA.h"

const UniformTable CShaderProgramFXAA::uniformNames = {
    {"gSampler"}, {"gSampleSize"}, {"gFXAASubpixShift"}, {"gFXAASpanMax"}, {"gFXAAReduceMul"}};

CShaderProgramFXAA::CShaderProgramFXAA()
    : CVertexFragmentProgram("Resources\\shaders\\FXAA.vert", "Resources\\shaders\\FXAA.frag", uniformNames)
{
}
