#include "shaders/CShaderProgramBasicTextured.h"

#include "core/SceneObject.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramBasicTextured::uniformNames = {{"gMVP"}, {"gSampler"}, {"gColor"}};

CShaderProgramBasicTextured::CShaderProgramBasicTextured()
    : CVertexFragmentProgram("Resources\\shaders\\BasicTextured.vert",
                             "Resources\\shaders\\BasicTextured.frag", uniformNames)
{
}

void CShaderProgramBasicTextured::SetupEntity(const SceneObject& object)
{
    SetUniform(*this, "gMVP", CameraMVP(MakeModelMatrix(object)));
    SetUniform(*this, "gSampler", 0);
    SetUniform(*this, "gColor", object.color);
}
