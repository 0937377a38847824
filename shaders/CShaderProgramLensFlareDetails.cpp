#include "shaders/CShaderProgramLensFlareDetails.h"

const UniformTable CShaderProgramLensFlareDetails::uniformNames = {
    {"gSampler"}, {"gDirt"}, {"gStarburst"}, {"gStarburstMatrix"}};

void CShaderProgramLensFlareDetails::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\LensFlareDetails.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\LensFlareDetails.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramLensFlareDetails::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
