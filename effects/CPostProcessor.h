#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>

#include "effects/CBlurProcessor.h"
#include "effects/CFXAAProcessor.h"
#include "effects/CLensFlareProcessor.h"
#include "effects/EffectQuad.h"
#include "shaders/CShaderProgramPostProcessing.h"

// Owns the off-screen scene framebuffer (linear HDR colour, bright part and
// depth-of-field depth) and turns it into the final picture: lens flare and
// bloom from the bright part, then one composite pass with exposure, tone
// mapping, depth of field and vignette, through FXAA when it is on.
class CPostProcessor
{
public:
    void Init();
    // Binds and clears the scene framebuffer at the render size (the window's
    // scaled by the render scale), making the targets again when it changed.
    void BeginScenePass();
    // Draws the finished picture into the window.
    void Apply();
    void Destroy();

    enum SceneTarget
    {
        SceneColour,
        SceneBright,
        SceneDepth,
        SceneTargetCount
    };

    GLuint framebuffer = 0;
    GLuint sceneTextures[SceneTargetCount] = {};
    GLuint depthStencil = 0;
    EffectQuad quad;
    CShaderProgramPostProcessing program;
    CBlurProcessor bloomBlur;
    CFXAAProcessor fxaa;
    CLensFlareProcessor lensFlare;
    // What the targets were made for.
    glm::ivec2 renderSize = glm::ivec2(0), windowSize = glm::ivec2(0);
    bool initialized = false;

private:
    void MeasureSizes();
    void FitBlurSteps();
    void ResizeTargets();
    void CreateSceneFramebuffer(int width, int height);
    void DestroySceneFramebuffer();
    void FillWindowFrom(GLuint source) const;
    void SetCompositeUniforms() const;
    void BindCompositeTextures(GLuint bloom, GLuint flare) const;
};
