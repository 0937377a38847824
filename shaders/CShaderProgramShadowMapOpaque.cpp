#include "shaders/CShaderProgramShadowMapOpaque.h"

const UniformTable CShaderProgramShadowMapOpaque::uniformNames = {{"gMVP"}};

CShaderProgramShadowMapOpaque::CShaderProgramShadowMapOpaque()
    : CShaderProgramShadowMap("Resources\\shaders\\shadowMapOpaque.frag", uniformNames)
{
}
