#include "scene/CCascadeShadowMap.h"

#include <cstdio>

#include "scene/ShadowFramebuffer.h"
#include "textures/TextureParameters.h"

namespace
{
void DefineDepthTexture(GLuint texture, int width, int height)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT32, width, height, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    SetLinearClamped(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
}
}

bool CCascadeShadowMap::Init(int width, int height)
{
    this->width = width;
    this->height = height;
    glGenFramebuffers(1, &fbo);
    glGenTextures(kCascadeCount, shadowMaps.data());
    for (GLuint texture : shadowMaps)
        DefineDepthTexture(texture, width, height);
    return AttachShadowDepth(fbo, shadowMaps[0]);
}

void CCascadeShadowMap::BindForWriting(int cascadeIndex)
{
    if (cascadeIndex < 0 || cascadeIndex >= kCascadeCount)
    {
        std::printf("[ShadowMap] Cascade index out of bounds");
        return;
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowMaps[size_t(cascadeIndex)], 0);
}

void CCascadeShadowMap::Destroy()
{
    if (fbo != 0)
        glDeleteFramebuffers(1, &fbo);
    fbo = 0;
    glDeleteTextures(kCascadeCount, shadowMaps.data());
    shadowMaps = {};
    width = height = 0;
}
