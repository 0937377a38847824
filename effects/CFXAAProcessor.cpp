#include "effects/CFXAAProcessor.h"

#include "app/CApplication.h"
#include "effects/EffectTarget.h"
#include "shaders/UniformUpload.h"

namespace
{
const float kSubpixShift = 0.0f;
const float kSpanMax = 8.0f;
const float kReduceMul = 0.0f;
}

void CFXAAProcessor::Init(int width, int height)
{
    quad.Create();
    CreateTarget(width, height);
    program.Create();
    initialized = true;
}

void CFXAAProcessor::CreateTarget(int width, int height)
{
    this->width = width;
    this->height = height;
    glGenFramebuffers(1, &framebuffer);
    glGenTextures(1, &texture);
    BuildEffectTarget(framebuffer, texture, width, height, "[GL] FXAAProcessor framebuffer is not complete!\n");
}

void CFXAAProcessor::DestroyTarget()
{
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
}

void CFXAAProcessor::Resize(int width, int height)
{
    DestroyTarget();
    CreateTarget(width, height);
}

void CFXAAProcessor::Apply()
{
    const CApplication& app = CApplication::GetInstance();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, app.width, app.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    program.Use();
    SetUniform(program, "gSampler", 0);
    program.SetFXAAValues(glm::vec2(float(width), float(height)), kSubpixShift, kSpanMax, kReduceMul);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    quad.Draw();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void CFXAAProcessor::Destroy()
{
    if (!initialized)
        return;
    DestroyTarget();
    quad.Destroy();
    program.Destroy();
    initialized = false;
}
