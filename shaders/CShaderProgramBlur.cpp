#include "shaders/CShaderProgramBlur.h"

const UniformTable CShaderProgramBlur::uniformNames = {{"gSampler"}, {"gHorizontal"}};

void CShaderProgramBlur::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\Blur.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\Blur.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramBlur::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
