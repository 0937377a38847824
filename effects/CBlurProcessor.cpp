#include "effects/CBlurProcessor.h"

#include <algorithm>

#include "effects/EffectTarget.h"
#include "shaders/UniformUpload.h"

float BlurPassStep(int32_t pass)
{
    return float(1 << std::min((std::max(pass, 1) - 1) / 2, 15));
}

void CBlurProcessor::Init(int width, int height, int32_t passes)
{
    passCount = passes;
    quad.Create();
    CreateTargets(width, height);
    program.Create();
    initialized = true;
}

void CBlurProcessor::CreateTargets(int width, int height)
{
    glGenFramebuffers(2, framebuffers);
    glGenTextures(2, textures);
    for (int i = 0; i < 2; ++i)
        BuildEffectTarget(framebuffers[i], textures[i], width, height,
                          "[GL] BlurProcessor framebuffer is not complete!\n");
}

void CBlurProcessor::DestroyTargets()
{
    glDeleteFramebuffers(2, framebuffers);
    glDeleteTextures(2, textures);
}

void CBlurProcessor::Resize(int width, int height)
{
    DestroyTargets();
    CreateTargets(width, height);
}

GLuint CBlurProcessor::Apply(GLuint input)
{
    program.Use();
    SetUniform(program, "gSampler", 0);
    GLuint source = input;
    for (int32_t pass = 1; pass <= passCount; ++pass)
    {
        const int horizontal = pass % 2;
        SetUniform(program, "gHorizontal", horizontal);
        SetUniform(program, "gStep", BlurPassStep(pass) * stepScale);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffers[horizontal]);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, source);
        quad.Draw();
        source = textures[horizontal];
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    return textures[passCount % 2];
}

void CBlurProcessor::Destroy()
{
    if (!initialized)
        return;
    DestroyTargets();
    quad.Destroy();
    program.Destroy();
    initialized = false;
}
