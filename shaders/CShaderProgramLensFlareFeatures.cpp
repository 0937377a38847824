#include "shaders/CShaderProgramLensFlareFeatures.h"

const UniformTable CShaderProgramLensFlareFeatures::uniformNames = {
    {"gSampler"}, {"gLensColours"}, {"gGhosts"}, {"gGhostDispersal"}};

void CShaderProgramLensFlareFeatures::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\LensFlareFeatures.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\LensFlareFeatures.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramLensFlareFeatures::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
