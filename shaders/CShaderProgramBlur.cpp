#include "shaders/CShaderProgramBlur.h"

const UniformTable CShaderProgramBlur::uniformNames = {{"gSampler"}, {"gHorizontal"}, {"gStep"}};

CShaderProgramBlur::CShaderProgramBlur()
    : CVertexFragmentProgram("Resources\\shaders\\Blur.vert", "Resources\\shaders\\Blur.frag", uniformNames)
{
}
