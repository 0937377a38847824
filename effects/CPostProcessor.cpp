#include "effects/CPostProcessor.h"

#include <cstdio>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "effects/EffectTarget.h"
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
    const CApplication& app = CApplication::GetInstance();
    CreateSceneFramebuffer(app.width, app.height);
    quad.Create();
    program.Create();
    bloomBlur.Init(app.width, app.height, kBloomPasses);
    fxaa.Init();
    lensFlare.Init();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    initialized = true;
}

void CPostProcessor::BeginScenePass()
{
    const CApplication& app = CApplication::GetInstance();
    glViewport(0, 0, app.width, app.height);
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

    glBindFramebuffer(GL_FRAMEBUFFER, settings.fxaa ? fxaa.framebuffer : 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    program.Use();
    SetCompositeUniforms();
    BindCompositeTextures(bloom, flare);
    quad.Draw();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (settings.fxaa)
        fxaa.Apply();
}

void CPostProcessor::Destroy()
{
    if (!initialized)
        return;
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(SceneTargetCount, sceneTextures);
    glDeleteRenderbuffers(1, &depthStencil);
    quad.Destroy();
    program.Destroy();
    bloomBlur.Destroy();
    fxaa.Destroy();
    lensFlare.Destroy();
    initialized = false;
}
