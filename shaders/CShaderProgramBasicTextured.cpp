#include "shaders/CShaderProgramBasicTextured.h"

#include "core/SceneObject.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramBasicTextured::uniformNames = {{"gMVP"}, {"gSampler"}, {"gColor"}};

void CShaderProgramBasicTextured::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\BasicTextured.vert", GL_VERTEX_SHADER},
                      {&fragmentShader, "Resources\\shaders\\BasicTextured.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramBasicTextured::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}

void CShaderProgramBasicTextured::SetupEntity(const SceneObject& object)
{
    SetUniform(*this, "gMVP", CameraMVP(MakeModelMatrix(object)));
    SetUniform(*this, "gSampler", 0);
    SetUniform(*this, "gColor", object.color);
}
