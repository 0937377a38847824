#include "scene/ShadowFramebuffer.h"

#include <cstdio>

bool AttachShadowDepth(GLuint fbo, GLuint depthTexture)
{
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depthTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);

    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE)
    {
        std::printf("FB error, status: 0x%x\n", status);
        return false;
    }
    return true;
}
