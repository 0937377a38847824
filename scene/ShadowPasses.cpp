#include "scene/ShadowPasses.h"

#include <GL/glew.h>
#include <functional>
#include <limits>
#include <utility>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CCascadeShadowMap.h"
#include "scene/CMesh.h"
#include "scene/CPointShadowMap.h"
#include "scene/CascadeFit.h"
#include "scene/CubeFaces.h"
#include "scene/SceneObjectDraw.h"
#include "scene/ShadowCulling.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"

namespace
{
const uint32_t kNotCasting = FlagNoShadow | FlagHidden;

// World-space bounds of every sub-mesh of every object, in object order.
using CasterBounds = std::vector<std::vector<BoundingBox>>;
// True for a caster that cannot change the map being drawn.
using CasterCull = std::function<bool(const BoundingBox& bounds)>;

CasterBounds WorldBounds(const std::vector<SceneObject>& objects)
{
    CasterBounds bounds(objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
    {
        if (objects[i].mesh == nullptr)
            continue;
        const glm::mat4 model = MakeModelMatrix(objects[i]).ToGlm();
        for (const BoundingBox& box : objects[i].mesh->subMeshBounds)
            bounds[i].push_back(TransformBox(box, model));
    }
    return bounds;
}

// What both shadow passes start with: depth testing, and the world-space
// bounds that their culling tests.
CasterBounds BeginShadowPass(const std::vector<SceneObject>& objects)
{
    glEnable(GL_DEPTH_TEST);
    return WorldBounds(objects);
}

void DrawCaster(const SceneObject& object, CShaderProgram& program, const std::vector<BoundingBox>& entries,
                const CasterCull& culled)
{
    DrawSceneObject(object, &program, kNotCasting, [&](size_t entry) { return !culled(entries[entry]); });
}

void DrawCasters(const std::vector<SceneObject>& objects, CShaderProgram& program, const CasterBounds& bounds,
                 const CasterCull& culled)
{
    for (size_t i = 0; i < objects.size(); ++i)
        DrawCaster(objects[i], program, bounds[i], culled);
}

// Casters with holes in their textures go through the program that tests the
// diffuse alpha; the rest through the one that only writes depth.
void DrawSunCasters(const std::vector<SceneObject>& objects, const SunCasterPrograms& programs,
                    const CasterBounds& bounds, const CasterCull& culled)
{
    for (size_t i = 0; i < objects.size(); ++i)
    {
        const bool holes = objects[i].mesh != nullptr && objects[i].mesh->HasTransparentMaterial();
        DrawCaster(objects[i], holes ? programs.alphaTested : programs.opaque, bounds[i], culled);
    }
}
}

void UpdateCascade(int cascadeIndex, const SunCasterPrograms& programs)
{
    programs.alphaTested.cascadeIndex = cascadeIndex;
    programs.opaque.cascadeIndex = cascadeIndex;
    CApplication& app = CApplication::GetInstance();
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const float aspect = AspectRatio(app.width, app.height);
    const size_t i = size_t(cascadeIndex);
    settings.cascadeOrthoBounds[i] =
        FitCascade(app.camera->GetViewMatrix(), settings.dirLight.Direction, aspect, settings.fieldOfView,
                   settings.cascadeSplits[i], settings.cascadeSplits[i + 1]);
}

void RenderCascadePass(CCascadeShadowMap& shadowMap, const SunCasterPrograms& programs,
                       const std::vector<SceneObject>& objects)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const CasterBounds bounds = BeginShadowPass(objects);
    glViewport(0, 0, shadowMap.width, shadowMap.height);
    // Casters between the sun and a cascade box still shadow it: keep their depth
    // at the box's near plane instead of clipping them away.
    glEnable(GL_DEPTH_CLAMP);
    const glm::mat4 lightView = MakeLightView(settings.dirLight.Direction).ToGlm();
    for (int i = 0; i < kCascadeCount; ++i)
    {
        shadowMap.BindForWriting(i);
        UpdateCascade(i, programs);
        glClear(GL_DEPTH_BUFFER_BIT);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(2.0f, 2.0f);
        const CascadeBox& cascade = settings.cascadeOrthoBounds[size_t(i)];
        DrawSunCasters(objects, programs, bounds,
                       [&](const BoundingBox& caster) { return OutsideCascade(caster, lightView, cascade); });
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_DEPTH_CLAMP);
}

void RenderPointShadowPass(const std::vector<CPointShadowMap*>& shadowMaps, CShaderProgramPointLightShadowMap& program,
                           const std::vector<SceneObject>& objects)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const CasterBounds bounds = BeginShadowPass(objects);
    glCullFace(GL_FRONT);
    const float farthest = std::numeric_limits<float>::max();
    glClearColor(farthest, farthest, farthest, farthest);
    for (size_t light = 0; light < settings.pointLights.size(); ++light)
    {
        const PointLight& pointLight = settings.pointLights[light];
        if (!pointLight.ShadowMapEnabled || pointLight.ShadowMap < 0 ||
            size_t(pointLight.ShadowMap) >= shadowMaps.size())
            continue;
        // A light that stands still over casters that stand still (the table
        // lamp) keeps the distances it was drawn with.
        CPointShadowMap& cube = *shadowMaps[size_t(pointLight.ShadowMap)];
        PointShadowKey key = MakePointShadowKey(pointLight, cube.width, cube.height, objects, kNotCasting);
        if (key == cube.drawnFor)
            continue;
        cube.drawnFor = std::move(key);
        const float reach = PointLightReach(pointLight);
        glViewport(0, 0, cube.width, cube.height);
        for (int face = 0; face < 6; ++face)
        {
            cube.BindFaceForWriting(face);
            program.lightIndex = int(light);
            program.faceIndex = face;
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            const CubeFace& cubeFace = CubeFaceTable[size_t(face)];
            DrawCasters(objects, program, bounds, [&](const BoundingBox& caster) {
                return BeyondReach(caster, pointLight.Position, reach) ||
                       OutsideCubeFace(caster, pointLight.Position, cubeFace);
            });
        }
    }
}
