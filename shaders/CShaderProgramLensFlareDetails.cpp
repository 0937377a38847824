#include "shaders/CShaderProgramLensFlareDetails.h"

const UniformTable CShaderProgramLensFlareDetails::uniformNames = {
    {"gSampler"}, {"gDirt"}, {"gStarburst"}, {"gStarburstMatrix"}};

CShaderProgramLensFlareDetails::CShaderProgramLensFlareDetails()
    : CVertexFragmentProgram("Resources\\shaders\\LensFlareDetails.vert",
                             "Resources\\shaders\\LensFlareDetails.frag", uniformNames)
{
}
