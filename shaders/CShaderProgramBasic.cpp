#include "shaders/CShaderProgramBasic.h"

#include "core/SceneObject.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramBasic::uniformNames = {{"gMVP"}, {"gColor"}};

CShaderProgramBasic::CShaderProgramBasic()
    : CVertexFragmentProgram("Resources\\shaders\\basic.vert", "Resources\\shaders\\basic.frag", uniformNames)
{
}

void CShaderProgramBasic::SetupEntity(const SceneObject& object)
{
    SetUniform(*this, "gMVP", CameraMVP(MakeModelMatrix(object)));
    SetUniform(*this, "gColor", glm::vec3(object.color));
}
