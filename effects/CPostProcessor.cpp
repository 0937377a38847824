#include "effects/CPostProcessor.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "effects/EffectTarget.h"
#include "effects/RenderSize.h"
#include "effects/RenderTextureList.h"
#include "shaders/UniformUpload.h"

namespace
{
const int32_t kBloomPasses = 10;
const GLint kSceneUnit = 0, kBloomUnit = 11, kDepthUnit = 12, kLensFlareUnit = 13, kDebugUnit = 17;
}

void CPostProcessor::CreateSceneFramebuffer(int width, int height)
{
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenTextures(SceneTargetCount, sceneTextures);
    for (int i = 0; i < SceneTargetCount; ++i)
    {
        glBindTexture(GL_TEXTURE_2D, sceneTextures[i]);
        AllocateFloatTarget(width, height);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + GLenum(i), GL_TEXTURE_2D, sceneTextures[i], 0);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    CRenderSettings::GetInstance().renderTextures["Depth texture"] = int32_t(sceneTextures[SceneDepth]);
    const GLenum drawBuffers[SceneTargetCount] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2};
    glDrawBuffers(SceneTargetCount, drawBuffers);
    glGenRenderbuffers(1, &depthStencil);
    glBindRenderbuffer(GL_RENDERBUFFER, depthStencil);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        std::printf("[GL] PostProcessor framebuffer is not complete!\n");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void CPostProcessor::Init()
{
    quad.Create();
    program.Create();
    MeasureSizes();
    CreateSceneFramebuffer(renderSize.x, renderSize.y);
    bloomBlur.Init(renderSize.x, renderSize.y, kBloomPasses);
    fxaa.Init(renderSize.x, renderSize.y);
    lensFlare.Init(renderSize.x, renderSize.y);
    FitBlurSteps();
    initialized = true;
}

void CPostProcessor::MeasureSizes()
{
    const CApplication& app = CApplication::GetInstance();
    renderSize = RenderSize(app.width, app.height, CRenderSettings::GetInstance().renderScale);
    windowSize = glm::ivec2(app.width, app.height);
}

// Blurs reach as far in window pixels at any scale.
void CPostProcessor::FitBlurSteps()
{
    bloomBlur.stepScale = lensFlare.blur.stepScale = float(renderSize.x) / float(windowSize.x);
}

void CPostProcessor::DestroySceneFramebuffer()
{
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(SceneTargetCount, sceneTextures);
    glDeleteRenderbuffers(1, &depthStencil);
    framebuffer = depthStencil = 0;
    std::fill(std::begin(sceneTextures), std::end(sceneTextures), 0u);
}

// Every target again at the new render size. The programs stay, so a change
// of scale costs no more than making the textures.
void CPostProcessor::ResizeTargets()
{
    MeasureSizes();
    DestroySceneFramebuffer();
    CreateSceneFramebuffer(renderSize.x, renderSize.y);
    bloomBlur.Resize(renderSize.x, renderSize.y);
    fxaa.Resize(renderSize.x, renderSize.y);
    lensFlare.Resize(renderSize.x, renderSize.y);
    FitBlurSteps();
}

void CPostProcessor::BeginScenePass()
{
    // A new render scale (or window size) takes effect here, before anything
    // is drawn into the targets.
    const CApplication& app = CApplication::GetInstance();
    if (RenderSize(app.width, app.height, CRenderSettings::GetInstance().renderScale) != renderSize ||
        windowSize != glm::ivec2(app.width, app.height))
        ResizeTargets();
    glViewport(0, 0, renderSize.x, renderSize.y);
    glCullFace(GL_BACK);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

void CPostProcessor::SetCompositeUniforms() const
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    SetUniform(program, "gScreenTexture", kSceneUnit);
    SetUniform(program, "gBloomTexture", kBloomUnit);
    SetUniform(program, "gDepthTexture", kDepthUnit);
    SetUniform(program, "gLensFlareTexture", kLensFlareUnit);
    SetUniform(program, "gExposure", settings.exposure);
    SetUniform(program, "gToneMappingSwitch", settings.toneMapping);
    SetUniform(program, "gBloom", GLint(settings.bloom));
    SetUniform(program, "gDOFSwitch", GLint(settings.dof));
    program.SetFocalValues(settings.focusDistance, settings.dofSize, settings.dofFalloff, settings.dofMaxBlur);
    SetUniform(program, "gVignetteSwitch", GLint(settings.vignette));
    SetUniform(program, "gDebugView", 0);
    SetUniform(program, "gDebugTexture", kDebugUnit);
    SetUniform(program, "gDebugRenderDOFArea", GLint(settings.showDofArea));
}

void CPostProcessor::BindCompositeTextures(GLuint bloom, GLuint flare) const
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    // Only a texture still in the registry is alive; anything else is not bound.
    if (IsRegisteredRenderTexture(settings.renderTextures, settings.selectedRenderTexture))
        BindTargetTexture(kDebugUnit, GLuint(settings.selectedRenderTexture));
    BindTargetTexture(kSceneUnit, sceneTextures[SceneColour]);
    BindTargetTexture(kBloomUnit, bloom);
    BindTargetTexture(kLensFlareUnit, flare);
    BindTargetTexture(kDepthUnit, sceneTextures[SceneDepth]);
}

void CPostProcessor::Apply()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    // The scene pass may leave sampler objects on these units; the targets are read with their own filtering.
    for (GLuint unit : {0u, 1u, 14u})
        glBindSampler(unit, 0);
    const GLuint flare = lensFlare.Apply(sceneTextures[SceneBright]);
    const GLuint bloom = bloomBlur.Apply(sceneTextures[SceneBright]);
    settings.renderTextures["Bloom"] = int32_t(bloom);

    // At a render scale below 1 the composite, like FXAA's input, is drawn at
    // the render size, and the last pass fills the window from it, filtering.
    const bool scaled = renderSize != windowSize;
    const bool toTarget = settings.fxaa || scaled;
    const glm::ivec2 compositeSize = toTarget ? renderSize : windowSize;
    glBindFramebuffer(GL_FRAMEBUFFER, toTarget ? fxaa.framebuffer : 0);
    glViewport(0, 0, compositeSize.x, compositeSize.y);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    program.Use();
    SetCompositeUniforms();
    BindCompositeTextures(bloom, flare);
    quad.Draw();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (settings.fxaa)
        fxaa.Apply();
    else if (scaled)
        FillWindowFrom(fxaa.framebuffer);
    glViewport(0, 0, windowSize.x, windowSize.y);
}

void CPostProcessor::FillWindowFrom(GLuint source) const
{
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, renderSize.x, renderSize.y, 0, 0, windowSize.x, windowSize.y, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void CPostProcessor::Destroy()
{
    if (!initialized)
        return;
    DestroySceneFramebuffer();
    bloomBlur.Destroy();
    fxaa.Destroy();
    lensFlare.Destroy();
    quad.Destroy();
    program.Destroy();
    initialized = false;
}
