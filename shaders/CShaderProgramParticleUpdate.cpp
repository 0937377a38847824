#include "shaders/CShaderProgramParticleUpdate.h"

const UniformTable CShaderProgramParticleUpdate::uniformNames = {
    {"gGenPosition"},   {"gGenGravityVector"}, {"gGenVelocityMin"}, {"gGenVelocityRange"},
    {"gGenLifeMin"},    {"gGenLifeRange"},     {"gTimePassed"},     {"gRandomSeed"},
    {"gGenerateCount"}, {"gSpawnArea"},        {"gNoise"},
};

const char* const CShaderProgramParticleUpdate::feedbackOutputs[4] = {"outPosition", "outVelocity", "outLifeTime",
                                                                      "outType"};

void CShaderProgramParticleUpdate::Create()
{
    CShaderProgram::Create();
    LoadAndAttachStages({{&vertexShader, "Resources\\shaders\\particleUpdate.vert", GL_VERTEX_SHADER},
                         {&geometryShader, "Resources\\shaders\\particleUpdate.geom", GL_GEOMETRY_SHADER}});
    glTransformFeedbackVaryings(programId, 4, feedbackOutputs, GL_INTERLEAVED_ATTRIBS);
    Link();
    RegisterUniforms(uniformNames);
}

void CShaderProgramParticleUpdate::Destroy()
{
    DestroyWithStages({&vertexShader, &geometryShader});
}
