#pragma once

#include <GL/glew.h>

#include "effects/CBlurProcessor.h"
#include "effects/EffectQuad.h"
#include "shaders/CShaderProgramLensFlareDetails.h"
#include "shaders/CShaderProgramLensFlareDownscale.h"
#include "shaders/CShaderProgramLensFlareFeatures.h"
#include "textures/CTexture.h"

// Screen-space lens flare from the scene's bright part: thresholded and
// downscaled to an eighth of the window, ghosts and a halo tinted by the
// lens colour, blurred, then lens dirt and a starburst that turns with the
// camera at full size.
class CLensFlareProcessor
{
public:
    // Targets for a bright part of `width` x `height`.
    void Init(int width, int height);
    // Returns the details target, valid until the next Apply. Leaves the
    // viewport at the size it was made for.
    GLuint Apply(GLuint brightTexture);
    // New targets for another size; the programs and the lens images stay.
    void Resize(int width, int height);
    void Destroy();

    enum Target
    {
        Downscale,
        Features,
        Details,
        TargetCount
    };

    EffectQuad quad;
    CBlurProcessor blur;
    CShaderProgramLensFlareDownscale downscaleProgram;
    CShaderProgramLensFlareFeatures featuresProgram;
    CShaderProgramLensFlareDetails detailsProgram;
    GLuint framebuffers[TargetCount] = {};
    GLuint textures[TargetCount] = {};
    CTexture lensColour;
    CTexture lensDirt;
    CTexture starburst;
    int width = 0, height = 0;
    bool initialized = false;

private:
    void CreateTargets(int width, int height);
    void DestroyTargets();
    void DrawDownscale(GLuint brightTexture);
    void DrawFeatures();
    void DrawDetails(GLuint blurred);
    // Binds the target's framebuffer and clears it.
    void BeginTarget(Target target) const;
    void EndTarget() const;
};
