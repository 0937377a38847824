#include "effects/CParticleSystem.h"

#include <cstddef>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/RandomValue.h"
#include "effects/OpenSkyLight.h"
#include "effects/ParticleEmission.h"
#include "effects/ParticleRecord.h"
#include "shaders/UniformUpload.h"
#include "textures/CTexture.h"

namespace
{
const int kWarmUpSteps = 1000;
const float kWarmUpStep = 0.03f;

// Points the four attributes of the bound vertex array at the bound buffer's
// records. The type is integer data read as a float.
void SetRecordAttributes()
{
    const GLsizei stride = sizeof(ParticleRecord);
    for (GLuint attribute = 0; attribute < 4; ++attribute)
        glEnableVertexAttribArray(attribute);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, (const void*)offsetof(ParticleRecord, position));
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, (const void*)offsetof(ParticleRecord, velocity));
    glVertexAttribPointer(2, 1, GL_FLOAT, GL_FALSE, stride, (const void*)offsetof(ParticleRecord, lifetime));
    glVertexAttribPointer(3, 1, GL_INT, GL_FALSE, stride, (const void*)offsetof(ParticleRecord, type));
}

// One draw of the process-wide generator in [-100, 100].
float SeedComponent()
{
    return float(RandomValue()) / 32767.0f * 200.0f - 100.0f;
}
}

void CParticleSystem::CreateBuffers()
{
    glGenTransformFeedbacks(1, &transformFeedback);
    glGenBuffers(2, vertexBuffers);
    glGenVertexArrays(2, vertexArrays);
    glGenQueries(1, &query);
    const ParticleRecord generator;
    for (int i = 0; i < 2; ++i)
    {
        glBindVertexArray(vertexArrays[i]);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffers[i]);
        glBufferData(GL_ARRAY_BUFFER, kCapacity * GLsizeiptr(sizeof(ParticleRecord)), nullptr, GL_DYNAMIC_DRAW);
        glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(generator), &generator);
        SetRecordAttributes();
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

bool CParticleSystem::Init(const ParticleParams& parameters, CTexture* sprite)
{
    params = parameters;
    texture = sprite;
    updateProgram.Create();
    renderProgram.Create();
    CreateBuffers();
    readIndex = 0;
    particleCount = 1;
    renderProgram.Use();
    SetUniform(renderProgram, "gSampler", 0);
    SetUniform(renderProgram, "gBillboardSize", params.billboardSize);
    WarmUp();
    // The warm-up has no Draw to hand the rasterizer back; the first frame's
    // shadow, sky and scene passes need it.
    glDisable(GL_RASTERIZER_DISCARD);
    glBindVertexArray(0);
    return glGetError() == GL_NO_ERROR;
}

// Flakes emitted early in the warm-up have melted before it ends, so those
// steps only account their emissions, drawing the same random numbers; the
// steps whose flakes may last are simulated.
void CParticleSystem::WarmUp()
{
    const int firstLasting =
        warmUpShortcut ? FirstLastingWarmUpStep(kWarmUpSteps, kWarmUpStep, params.genLifeMax) : 0;
    if (updateProgram.linked)
    {
        updateProgram.Use();
        for (int step = 0; step < firstLasting; ++step)
            Emit(kWarmUpStep);
    }
    for (int step = firstLasting; step < kWarmUpSteps; ++step)
        Simulate(kWarmUpStep);
}

void CParticleSystem::SetUpdateUniforms(float dt) const
{
    SetUniform(updateProgram, "gTimePassed", dt);
    SetUniform(updateProgram, "gGenPosition", params.genPosition);
    SetUniform(updateProgram, "gGenVelocityMin", params.genVelocityMin);
    SetUniform(updateProgram, "gGenVelocityRange", params.genVelocityMax - params.genVelocityMin);
    SetUniform(updateProgram, "gGenGravityVector", params.genGravityVector);
    SetUniform(updateProgram, "gGenLifeMin", params.genLifeMin);
    SetUniform(updateProgram, "gGenLifeRange", params.genLifeMax - params.genLifeMin);
    SetUniform(updateProgram, "gGenerateCount", 0);
    SetUniform(updateProgram, "gSpawnArea", params.spawnArea);
    SetUniform(updateProgram, "gNoise", params.noise);
}

void CParticleSystem::Emit(float dt)
{
    const ParticleEmission emission = AccountEmission(spawnAccumulator, dt, params.generateCount, kCapacity);
    spawnAccumulator = emission.accumulator;
    if (emission.count == 0)
        return; // the seed of the last emission stays
    SetUniform(updateProgram, "gGenerateCount", emission.count);
    const float z = SeedComponent();
    const float y = SeedComponent();
    const float x = SeedComponent();
    SetUniform(updateProgram, "gRandomSeed", glm::vec3(x, y, z));
}

// Runs the update program over the read buffer into the other one and
// counts what it wrote (the one wait for the GPU).
void CParticleSystem::Capture()
{
    glBeginQuery(GL_TRANSFORM_FEEDBACK_PRIMITIVES_WRITTEN, query);
    glBeginTransformFeedback(GL_POINTS);
    if (!firstUpdateDone)
    {
        glDrawArrays(GL_POINTS, 0, 1); // the generator alone
        firstUpdateDone = true;
    }
    else
        glDrawTransformFeedback(GL_POINTS, transformFeedback);
    glEndTransformFeedback();
    glEndQuery(GL_TRANSFORM_FEEDBACK_PRIMITIVES_WRITTEN);
    GLint written = 0;
    glGetQueryObjectiv(query, GL_QUERY_RESULT, &written);
    particleCount = written;
}

void CParticleSystem::Simulate(float dt)
{
    // Without its program a step would capture nothing; the particles stay as they are.
    if (!updateProgram.linked)
        return;
    updateProgram.Use();
    SetUpdateUniforms(dt);
    Emit(dt);
    glEnable(GL_RASTERIZER_DISCARD);
    glBindTransformFeedback(GL_TRANSFORM_FEEDBACK, transformFeedback);
    glBindVertexArray(vertexArrays[readIndex]);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(3);
    glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, vertexBuffers[1 - readIndex]);
    Capture();
    glBindTransformFeedback(GL_TRANSFORM_FEEDBACK, 0);
    readIndex = 1 - readIndex;
}

void CParticleSystem::Draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDepthMask(GL_FALSE);
    glDisable(GL_RASTERIZER_DISCARD);
    // Nothing is drawn before a step has written a buffer, nor with whatever program happens to be current.
    if (firstUpdateDone && renderProgram.linked)
    {
        renderProgram.Use();
        SetUniform(renderProgram, "gProjMatrix", CApplication::GetInstance().projection);
        SetUniform(renderProgram, "gViewMatrix", CameraView());
        SetUniform(renderProgram, "gSceneLight", OpenSkyLight(CRenderSettings::GetInstance().dirLight));
        if (texture != nullptr)
            texture->Bind(0);
        glBindVertexArray(vertexArrays[readIndex]);
        glDisableVertexAttribArray(1);
        glDisableVertexAttribArray(3);
        glDrawTransformFeedback(GL_POINTS, transformFeedback);
        glBindVertexArray(0);
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void CParticleSystem::Frame()
{
    Simulate(CApplication::GetInstance().deltaTime);
    Draw();
    CRenderSettings::GetInstance().vertexCount += 3 * particleCount;
}

void CParticleSystem::Destroy()
{
    updateProgram.Destroy();
    renderProgram.Destroy();
    glDeleteQueries(1, &query);
    glDeleteTransformFeedbacks(1, &transformFeedback);
    glDeleteVertexArrays(2, vertexArrays);
    glDeleteBuffers(2, vertexBuffers);
    query = transformFeedback = 0;
    vertexArrays[0] = vertexArrays[1] = vertexBuffers[0] = vertexBuffers[1] = 0;
    texture = nullptr;
    firstUpdateDone = false;
    particleCount = 0;
    spawnAccumulator = 0.0f;
}
