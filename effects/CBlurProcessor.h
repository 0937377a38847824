#pragma once

#include <GL/glew.h>

#include "effects/EffectQuad.h"
#include "shaders/CShaderProgramBlur.h"

// The tap step, in texels, of pass `pass` (from 1): 1 for the first x and y
// passes, doubling for each pair after them.
float BlurPassStep(int32_t pass);

// Separable blur run back and forth between two float targets: odd passes
// blur along x into target B, even passes along y into target A.
class CBlurProcessor
{
public:
    void Init(int width, int height, int32_t passes);
    // Blurs `input` into the caller's viewport; returns target B for an odd
    // pass count and target A for an even one (A untouched for 0 passes).
    GLuint Apply(GLuint input);
    // New targets at another size; the program and the pass count stay.
    void Resize(int width, int height);
    void Destroy();

    EffectQuad quad;
    CShaderProgramBlur program;
    GLuint framebuffers[2] = {}; // A, B
    GLuint textures[2] = {};
    int32_t passCount = 0;
    // Scales every pass's step: a target drawn at a share of the window's size
    // takes that share, so that the blur reaches as far in window pixels.
    float stepScale = 1.0f;
    bool initialized = false;

private:
    void CreateTargets(int width, int height);
    void DestroyTargets();
};
