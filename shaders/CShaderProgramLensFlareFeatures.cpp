#include "shaders/CShaderProgramLensFlareFeatures.h"

const UniformTable CShaderProgramLensFlareFeatures::uniformNames = {
    {"gSampler"}, {"gLensColours"}, {"gGhosts"}, {"gGhostDispersal"}};

CShaderProgramLensFlareFeatures::CShaderProgramLensFlareFeatures()
    : CVertexFragmentProgram("Resources\\shaders\\LensFlareFeatures.vert",
                             "Resources\\shaders\\LensFlareFeatures.frag", uniformNames)
{
}
