#include "shaders/CShaderProgramParticleRender.h"

const UniformTable CShaderProgramParticleRender::uniformNames = {
    {"gProjMatrix"}, {"gViewMatrix"}, {"gSampler"}, {"gBillboardSize"}, {"gSceneLight"}};

void CShaderProgramParticleRender::Create()
{
    CreateFromStages({{&vertexShader, "Resources\\shaders\\ParticleRender.vert", GL_VERTEX_SHADER},
                      {&geometryShader, "Resources\\shaders\\ParticleRender.geom", GL_GEOMETRY_SHADER},
                      {&fragmentShader, "Resources\\shaders\\ParticleRender.frag", GL_FRAGMENT_SHADER}},
                     uniformNames);
}

void CShaderProgramParticleRender::Destroy()
{
    DestroyWithStages({&vertexShader, &geometryShader, &fragmentShader});
}
