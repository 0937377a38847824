#pragma once

#include <GL/glew.h>
#include <array>

#include "core/LitBindings.h"

// The sun's four shadow cascades: one framebuffer whose depth attachment is
// switched between four depth textures set up for hardware comparison.
class CCascadeShadowMap
{
public:
    // True when the framebuffer is complete; it is left bound either way.
    bool Init(int width, int height);
    void BindForWriting(int cascadeIndex);
    void Destroy();

    GLuint fbo = 0;
    std::array<GLuint, kCascadeCount> shadowMaps = {};
    // The maps' size since Init; 0 when there are none.
    int width = 0, height = 0;
};
