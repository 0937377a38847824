#include "SceneFloor.h"

#include "core/CRenderSettings.h"
#include "core/LightingState.h"
#include "scene/CMainScene.h"
#include "scene/CPointShadowMap.h"
#include "scene/SceneObjectDraw.h"
#include "scene/ShadowPasses.h"

bool SceneFloor::Create(CMainScene& mainScene, int shadowWidth, int shadowHeight)
{
    scene = &mainScene;
    bool complete = cascades.Init(shadowWidth, shadowHeight);
    for (size_t i = 0; i < mainScene.pointShadowMaps.size(); ++i)
    {
        cubes.push_back(new CPointShadowMap());
        complete = cubes.back()->Init(shadowWidth, shadowHeight) && complete;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    opaque.Create();
    alphaTested.Create();
    return complete && opaque.linked && alphaTested.linked;
}

void SceneFloor::Destroy()
{
    cascades.Destroy();
    for (CPointShadowMap* cube : cubes)
    {
        cube->Release();
        delete cube;
    }
    cubes.clear();
    opaque.Destroy();
    alphaTested.Destroy();
    scene = nullptr;
}

void SceneFloor::DrawCascades()
{
    // The frame's own caster programs: an empty fragment stage, and the alpha
    // test only for the casters with holes. Without the test the grass's whole
    // quads write depth, and the pass took 7% longer than the frame's. Like
    // the frame, the floor draws no map that no fragment reads.
    if (LightingStateOf(CRenderSettings::GetInstance().dirLight).sun)
        RenderCascadePass(cascades, {scene->shadowMapProgram, scene->opaqueShadowMapProgram}, scene->objects);
}

void SceneFloor::DrawCubes()
{
    // The cube program writes one distance per fragment, the least a cube face
    // can hold; like the frame, the floor skips the cubes while the lamps add nothing.
    if (LightingStateOf(CRenderSettings::GetInstance().dirLight).lamps)
        RenderPointShadowPass(cubes, scene->pointShadowProgram, scene->objects);
}

void SceneFloor::DrawMeshes()
{
    for (const SceneObject& object : scene->objects)
    {
        const bool holes = object.mesh != nullptr && object.mesh->HasTransparentMaterial();
        DrawSceneObject(object, holes ? &alphaTested : &opaque, FlagHidden);
    }
    // The snow's sprite program already writes little more than its texel.
    scene->particles.Draw();
}
