#include "scene/ShadowPasses.h"

#include <GL/glew.h>
#include <limits>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CCascadeShadowMap.h"
#include "scene/CPointShadowMap.h"
#include "scene/CascadeFit.h"
#include "scene/SceneObjectDraw.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"

namespace
{
const uint32_t kNotCasting = FlagNoShadow | FlagHidden;

void DrawCasters(const std::vector<SceneObject>& objects, CShaderProgram& program)
{
    for (const SceneObject& object : objects)
        DrawSceneObject(object, &program, kNotCasting);
}
}

void UpdateCascade(int cascadeIndex, CShaderProgramShadowMap& program)
{
    program.cascadeIndex = cascadeIndex;
    CApplication& app = CApplication::GetInstance();
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const float aspect = AspectRatio(app.width, app.height);
    const size_t i = size_t(cascadeIndex);
    settings.cascadeOrthoBounds[i] =
        FitCascade(app.camera->GetViewMatrix(), settings.dirLight.Direction, aspect, settings.fieldOfView,
                   settings.cascadeSplits[i], settings.cascadeSplits[i + 1]);
}

void RenderCascadePass(CCascadeShadowMap& shadowMap, CShaderProgramShadowMap& program,
                       const std::vector<SceneObject>& objects)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    glViewport(0, 0, settings.shadowMapWidth, settings.shadowMapHeight);
    glEnable(GL_DEPTH_TEST);
    // Casters between the sun and a cascade box still shadow it: keep their depth
    // at the box's near plane instead of clipping them away.
    glEnable(GL_DEPTH_CLAMP);
    for (int i = 0; i < CCascadeShadowMap::kCascadeCount; ++i)
    {
        shadowMap.BindForWriting(i);
        UpdateCascade(i, program);
        glClear(GL_DEPTH_BUFFER_BIT);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(2.0f, 2.0f);
        DrawCasters(objects, program);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_DEPTH_CLAMP);
    settings.AddProfilerMark("ShadowMapDir");
}

void RenderPointShadowPass(const std::vector<CPointShadowMap*>& shadowMaps, CShaderProgramPointLightShadowMap& program,
                           const std::vector<SceneObject>& objects)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    glViewport(0, 0, settings.shadowMapWidth, settings.shadowMapHeight);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_FRONT);
    const float farthest = std::numeric_limits<float>::max();
    glClearColor(farthest, farthest, farthest, farthest);
    for (size_t light = 0; light < settings.pointLights.size(); ++light)
    {
        const PointLight& pointLight = settings.pointLights[light];
        if (!pointLight.ShadowMapEnabled || pointLight.ShadowMap < 0 ||
            size_t(pointLight.ShadowMap) >= shadowMaps.size())
            continue;
        for (int face = 0; face < 6; ++face)
        {
            shadowMaps[size_t(pointLight.ShadowMap)]->BindFaceForWriting(face);
            program.lightIndex = int(light);
            program.faceIndex = face;
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            DrawCasters(objects, program);
        }
    }
    settings.AddProfilerMark("ShadowMapPoint");
}
