#include "effects/CLensFlareProcessor.h"

#include "core/CRenderSettings.h"
#include "effects/EffectTarget.h"
#include "effects/LensFlareMath.h"
#include "shaders/UniformUpload.h"

namespace
{
const int32_t kBlurPasses = 4;
const GLint kSourceUnit = 0, kDirtUnit = 1, kStarburstUnit = 2, kLensColourUnit = 10;
}

void CLensFlareProcessor::Init(int width, int height)
{
    quad.Create();
    CreateTargets(width, height);
    downscaleProgram.Create();
    featuresProgram.Create();
    detailsProgram.Create();
    const glm::ivec2 small = LensFlareSmallSize(width, height);
    blur.Init(small.x, small.y, kBlurPasses);
    lensColour.LoadTexture2D("Resources\\Textures\\lenscolor.png", false);
    lensDirt.LoadTexture2D("Resources\\Textures\\lensdirt.png", false);
    starburst.LoadTexture2D("Resources\\Textures\\lensstar.png", false);
    initialized = true;
}

void CLensFlareProcessor::CreateTargets(int width, int height)
{
    this->width = width;
    this->height = height;
    const glm::ivec2 small = LensFlareSmallSize(width, height);
    const glm::ivec2 sizes[TargetCount] = {small, small, glm::ivec2(width, height)};
    glGenFramebuffers(TargetCount, framebuffers);
    glGenTextures(TargetCount, textures);
    for (int i = 0; i < TargetCount; ++i)
        BuildEffectTarget(framebuffers[i], textures[i], sizes[i].x, sizes[i].y,
                          "[GL] LensFlareProcessor framebuffer is not complete!\n");
    CRenderSettings::GetInstance().renderTextures["LensFlare"] = int32_t(textures[Details]);
}

void CLensFlareProcessor::DestroyTargets()
{
    glDeleteFramebuffers(TargetCount, framebuffers);
    glDeleteTextures(TargetCount, textures);
}

void CLensFlareProcessor::Resize(int width, int height)
{
    DestroyTargets();
    CreateTargets(width, height);
    const glm::ivec2 small = LensFlareSmallSize(width, height);
    blur.Resize(small.x, small.y);
}

void CLensFlareProcessor::BeginTarget(Target target) const
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers[target]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CLensFlareProcessor::EndTarget() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void CLensFlareProcessor::DrawDownscale(GLuint brightTexture)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    BeginTarget(Downscale);
    downscaleProgram.Use();
    SetUniform(downscaleProgram, "gSampler", kSourceUnit);
    SetUniform(downscaleProgram, "gSampleScale", settings.lensFlareScale);
    SetUniform(downscaleProgram, "gSampleBias", settings.lensFlareBias);
    BindTargetTexture(kSourceUnit, brightTexture);
    quad.Draw();
    EndTarget();
}

void CLensFlareProcessor::DrawFeatures()
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    BeginTarget(Features);
    featuresProgram.Use();
    SetUniform(featuresProgram, "gSampler", kSourceUnit);
    SetUniform(featuresProgram, "gLensColours", kLensColourUnit);
    SetUniform(featuresProgram, "gGhosts", settings.ghostCount);
    SetUniform(featuresProgram, "gGhostDispersal", settings.ghostDispersal);
    BindTargetTexture(kSourceUnit, textures[Downscale]);
    BindTargetTexture(kLensColourUnit, lensColour.texture);
    quad.Draw();
    EndTarget();
}

void CLensFlareProcessor::DrawDetails(GLuint blurred)
{
    BeginTarget(Details);
    detailsProgram.Use();
    SetUniform(detailsProgram, "gSampler", kSourceUnit);
    SetUniform(detailsProgram, "gDirt", kDirtUnit);
    SetUniform(detailsProgram, "gStarburst", kStarburstUnit);
    SetUniform(detailsProgram, "gStarburstMatrix", StarburstMatrix(StarburstAngle(CameraView())));
    BindTargetTexture(kSourceUnit, blurred);
    BindTargetTexture(kDirtUnit, lensDirt.texture);
    BindTargetTexture(kStarburstUnit, starburst.texture);
    quad.Draw();
    EndTarget();
}

GLuint CLensFlareProcessor::Apply(GLuint brightTexture)
{
    const glm::ivec2 small = LensFlareSmallSize(width, height);
    glViewport(0, 0, small.x, small.y);
    DrawDownscale(brightTexture);
    DrawFeatures();
    const GLuint blurred = blur.Apply(textures[Features]);
    glViewport(0, 0, width, height);
    DrawDetails(blurred);
    return textures[Details];
}

void CLensFlareProcessor::Destroy()
{
    if (!initialized)
        return;
    DestroyTargets();
    blur.Destroy();
    quad.Destroy();
    downscaleProgram.Destroy();
    featuresProgram.Destroy();
    detailsProgram.Destroy();
    lensColour.Release();
    lensDirt.Release();
    starburst.Release();
    initialized = false;
}
