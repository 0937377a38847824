#include "effects/EffectTarget.h"

#include <cstdio>

#include "textures/TextureParameters.h"

void AllocateFloatTarget(int width, int height)
{
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB16F, width, height, 0, GL_RGB, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

bool BuildEffectTarget(GLuint framebuffer, GLuint texture, int width, int height, const char* incompleteMessage)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glBindTexture(GL_TEXTURE_2D, texture);
    AllocateFloatTarget(width, height);
    SetLinearClamped(GL_TEXTURE_2D);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (!complete)
        std::printf("%s", incompleteMessage);
    return complete;
}

void BindTargetTexture(GLint unit, GLuint texture)
{
    glActiveTexture(GL_TEXTURE0 + GLenum(unit));
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindSampler(GLuint(unit), 0);
}
