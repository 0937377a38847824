#pragma once

#include <GL/glew.h>

#include "effects/EffectQuad.h"
#include "shaders/CShaderProgramFXAA.h"

// The last pass of the frame when anti-aliasing is on: the composite is drawn
// into this processor's target, and Apply filters it into the window.
class CFXAAProcessor
{
public:
    void Init();
    void Apply();
    void Destroy();

    EffectQuad quad;
    CShaderProgramFXAA program;
    GLuint framebuffer = 0;
    GLuint texture = 0;
    bool initialized = false;
};
