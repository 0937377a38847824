#pragma once

#include <GL/glew.h>

// Binds `fbo`, makes `depthTexture` its depth attachment with no colour
// buffers to draw or read, and checks it. An incomplete framebuffer is
// reported ("FB error, status: 0x...") and gives false; it stays bound.
bool AttachShadowDepth(GLuint fbo, GLuint depthTexture);
