#include "shaders/CShaderProgramLensFlareDownscale.h"

const UniformTable CShaderProgramLensFlareDownscale::uniformNames = {{"gSampler"}, {"gSampleScale"}, {"gSampleBias"}};

void CShaderProgramLensFlareDownscale::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\LensFlareDownscale.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\LensFlareDownscale.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramLensFlareDownscale::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
