#include "shaders/CShaderProgramLensFlareDownscale.h"

const UniformTable CShaderProgramLensFlareDownscale::uniformNames = {{"gSampler"}, {"gSampleScale"}, {"gSampleBias"}};

CShaderProgramLensFlareDownscale::CShaderProgramLensFlareDownscale()
    : CVertexFragmentProgram("Resources\\shaders\\LensFlareDownscale.vert",
                             "Resources\\shaders\\LensFlareDownscale.frag", uniformNames)
{
}
