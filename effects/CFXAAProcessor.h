#pragma once

#include <GL/glew.h>

#include "effects/EffectQuad.h"
#include "shaders/CShaderProgramFXAA.h"

// The last pass of the frame when anti-aliasing is on: the composite is drawn
// into this processor's target (at the render size), and Apply filters it into
// the whole window, its steps measured in the target's texels.
class CFXAAProcessor
{
public:
    void Init(int width, int height);
    void Apply();
    // A new target at another size; the program stays.
    void Resize(int width, int height);
    void Destroy();

    EffectQuad quad;
    CShaderProgramFXAA program;
    GLuint framebuffer = 0;
    GLuint texture = 0;
    int width = 0, height = 0;
    bool initialized = false;

private:
    void CreateTarget(int width, int height);
    void DestroyTarget();
};
