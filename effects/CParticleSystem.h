#pragma once

#include <GL/glew.h>

#include <cstdint>

#include "effects/ParticleParams.h"
#include "shaders/CShaderProgramParticleRender.h"
#include "shaders/CShaderProgramParticleUpdate.h"

class CTexture;

// Falling snow that lives on the GPU only. Every step the update program
// reads the particles of one buffer and writes the survivors and the new
// flakes into the other by transform feedback; the render program draws the
// written buffer as additive billboards. The CPU learns only the count.
class CParticleSystem
{
public:
    static constexpr int32_t kCapacity = 100000; // records per buffer

    // Builds the programs and buffers and runs 30 s of snowfall so the first
    // frame starts in the steady state. True when OpenGL raised no error.
    bool Init(const ParticleParams& parameters, CTexture* sprite);
    // One step and one draw, into the bound scene framebuffer.
    void Frame();
    // Ages, moves and emits for `dt` seconds into the other buffer, which then
    // becomes the one read (and drawn); leaves rasterizer discard on for Draw.
    void Simulate(float dt);
    // Draws what the last Simulate wrote (again, if called twice), and turns
    // rasterizer discard off.
    void Draw();
    void Destroy();

    bool firstUpdateDone = false;
    int readIndex = 0; // the buffer the last step wrote and the next one reads
    GLuint vertexBuffers[2] = {};
    GLuint vertexArrays[2] = {};
    GLuint transformFeedback = 0;
    GLuint query = 0;
    int32_t particleCount = 0;
    float spawnAccumulator = 0.0f;
    CShaderProgramParticleUpdate updateProgram;
    CShaderProgramParticleRender renderProgram;
    CTexture* texture = nullptr;
    ParticleParams params;
    // Init's warm-up simulates only the steps whose flakes can last to its end;
    // false simulates all of them (the tests hold the two to the same result).
    bool warmUpShortcut = true;

private:
    void CreateBuffers();
    void WarmUp();
    void SetUpdateUniforms(float dt) const;
    void Emit(float dt);
    void Capture();
};
