#include "scene/CPointShadowMap.h"

#include <algorithm>

#include "scene/ShadowFramebuffer.h"
#include "textures/TextureParameters.h"

namespace
{
GLuint CreateDepthTexture(int width, int height)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, width, height, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_NONE);
    SetLinearClamped(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

GLuint CreateDistanceCube(int width, int height)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture);
    SetLinearClamped(GL_TEXTURE_CUBE_MAP);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    for (int face = 0; face < 6; ++face)
        glTexImage2D(GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0, GL_R32F, width, height, 0, GL_RED, GL_FLOAT,
                     nullptr);
    return texture;
}
}

int CubeFaceSize(int width, int height)
{
    return std::max(width, height);
}

bool CPointShadowMap::Init(int width, int height)
{
    this->width = width;
    this->height = height;
    // Filtered lookups near a face edge must blend with the neighbouring face,
    // or the edges between faces show as thin lines of false shadow.
    glEnable(GL_TEXTURE_CUBE_MAP_SEAMLESS);
    glGenFramebuffers(1, &fbo);
    drawnFor = {};
    depthTexture = CreateDepthTexture(width, height);
    cubeMap = CreateDistanceCube(width, height);
    // No colour attachment yet: each pass attaches its target as it draws.
    return AttachShadowDepth(fbo, depthTexture);
}

void CPointShadowMap::BindFaceForWriting(int face)
{
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face),
                           cubeMap, 0);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
}

void CPointShadowMap::Release()
{
    if (fbo != 0)
        glDeleteFramebuffers(1, &fbo);
    if (depthTexture != 0)
        glDeleteTextures(1, &depthTexture);
    if (cubeMap != 0)
        glDeleteTextures(1, &cubeMap);
    fbo = depthTexture = cubeMap = 0;
    width = height = 0;
    drawnFor = {};
}
