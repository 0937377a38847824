#include "shaders/CShaderProgramBasic.h"

#include "core/SceneObject.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramBasic::uniformNames = {{"gMVP"}, {"gColor"}};

void CShaderProgramBasic::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\basic.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\basic.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramBasic::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}

void CShaderProgramBasic::SetupEntity(const SceneObject& object)
{
    SetUniform(*this, "gMVP", CameraMVP(MakeModelMatrix(object)));
    SetUniform(*this, "gColor", glm::vec3(object.color));
}
