#include "scene/CMainScene.h"

#include <SDL2/SDL.h>

#include "app/CApplication.h"
#include "app/InputState.h"
#include "camera/CShowcaseCamera.h"
#include "core/CRenderSettings.h"
#include "core/LightingState.h"
#include "core/RandomValue.h"
#include "effects/SettingsPanel.h"
#include "scene/CSkyboxDynamic.h"
#include "scene/SceneAnimation.h"
#include "scene/SceneObjectDraw.h"
#include "scene/SkyMath.h"
#include "scene/ShadowPasses.h"
#include "textures/CTextureManager.h"

const std::array<glm::vec3, 8> LanternLightPositions = {{
    {3.338f, 5.168f, 89.789f},
    {-1.641f, 12.195f, -150.932f},
    {112.623f, 18.218f, -27.561f},
    {-23.632f, 17.017f, 116.737f},
    {-196.675f, 25.687f, 165.983f},
    {-182.824f, 15.874f, 25.63f},
    {-109.325f, 14.237f, -26.94f},
    {-54.483f, 23.233f, -127.13f},
}};

namespace
{
enum MeshIndex
{
    MeshLandscape, MeshTable, MeshGate, MeshSphere, MeshLantern, MeshLantern2, MeshGrass, MeshCount
};

const char* const kMeshPaths[MeshCount] = {
    "Resources\\models\\scene\\snow_landscape.obj", "Resources\\models\\scene\\japanese_table.obj",
    "Resources\\models\\scene\\torii.obj",          "Resources\\models\\sphere\\sphere.obj",
    "Resources\\models\\scene\\lantern.obj",        "Resources\\models\\scene\\lantern2.obj",
    "Resources\\models\\scene\\grass.obj",
};

const glm::vec3 kLanternPositions[] = {
    {111.225f, 3.952f, -4.386f},  {-55.887f, 9.055f, -103.99f},   {-24.827f, 2.93f, 140.025f},
    {-110.706f, 0.058f, -3.792f}, {-198.038f, 11.519f, 188.917f}, {-184.297f, 1.852f, 48.609f},
};
const glm::vec3 kLantern2Positions[] = {{-11.059f, 2.655f, 93.709f}, {-16.16f, 9.71f, -146.846f}};

PointLight WarmLight(const glm::vec3& position)
{
    PointLight light;
    light.Base.Color = {0.886f, 0.345f, 0.133f};
    light.Base.AmbientIntensity = 0.05f;
    light.Base.DiffuseIntensity = 3.0f;
    light.Position = position;
    light.Atten = {1.0f, 0.09f, 0.032f};
    return light;
}
}

void CMainScene::Init()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    basicProgram.Create();
    lightShadowsProgram.Create();
    shadowMapProgram.Create();
    opaqueShadowMapProgram.Create();
    pointShadowProgram.Create();
    LoadMeshes();
    AddObjects();
    glEnable(GL_DEPTH_TEST);
    glClearDepth(1.0);
    AddLights();
    CreateShadowMaps();
    CApplication& app = CApplication::GetInstance();
    app.SetCamera(new CShowcaseCamera());
    auto* sky = new CSkyboxDynamic();
    sky->Init("Resources\\skyboxes\\dynamic\\%s.png");
    app.SetSkybox(sky);
    particleSettings = ParticleParams();
    CTexture* sprite = CTextureManager::GetInstance().LoadTexture("Resources\\textures\\snow_particle3.png");
    particles.Init(particleSettings, sprite);
}

void CMainScene::LoadMeshes()
{
    meshes.resize(MeshCount);
    for (int i = 0; i < MeshCount; ++i)
        meshes[size_t(i)].Load(kMeshPaths[i]);
}

void CMainScene::AddObjects()
{
    auto add = [this](MeshIndex mesh, CShaderProgram* program) -> SceneObject& {
        SceneObject object;
        object.mesh = &meshes[mesh];
        object.program = program;
        objects.push_back(object);
        return objects.back();
    };
    SceneObject& marker = add(MeshSphere, &basicProgram);
    marker.scale = glm::vec3(0.3f);
    marker.color = {8.86f, 3.45f, 1.33f, 1.0f};
    marker.flags = FlagNoShadow;
    add(MeshLandscape, &lightShadowsProgram).flags = FlagAllPointLights;
    add(MeshTable, &lightShadowsProgram);
    add(MeshGate, &lightShadowsProgram);
    add(MeshGrass, &lightShadowsProgram);
    for (const glm::vec3& position : kLanternPositions)
        add(MeshLantern, &lightShadowsProgram).position = position;
    for (const glm::vec3& position : kLantern2Positions)
        add(MeshLantern2, &lightShadowsProgram).position = position;
}

void CMainScene::AddLights()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    settings.dirLight.Base.Color = {1.0f, 1.0f, 1.0f};
    settings.dirLight.Base.AmbientIntensity = 0.1f;
    settings.dirLight.Base.DiffuseIntensity = 0.8f;
    settings.dirLight.Direction = {1.0f, 0.0f, 0.0f};
    settings.pointLights.clear();
    settings.pointLights.push_back(WarmLight({0.0f, 2.5f, 0.0f}));
    for (const glm::vec3& position : LanternLightPositions)
        settings.pointLights.push_back(WarmLight(position));
    for (size_t i = 0; i < 3; ++i)
        settings.pointLights[i].ShadowMapEnabled = true;
}

void CMainScene::CreateShadowMaps()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    cascadeShadowMap.Init(settings.shadowMapWidth, settings.shadowMapHeight);
    const int cubeFace = CubeFaceSize(settings.shadowMapWidth, settings.shadowMapHeight);
    for (PointLight& light : settings.pointLights)
    {
        if (!light.ShadowMapEnabled)
            continue;
        light.ShadowMap = int(pointShadowMaps.size());
        auto* shadowMap = new CPointShadowMap();
        shadowMap->Init(cubeFace, cubeFace);
        pointShadowMaps.push_back(shadowMap);
    }
}

void CMainScene::Update()
{
    particles.params = particleSettings;
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const InputState& input = GetInputState();
    settings.timeOfDay = StepTimeOfDay(settings.timeOfDay, IsKeyDown(input, SDL_SCANCODE_Z),
                                       IsKeyDown(input, SDL_SCANCODE_X), CApplication::GetInstance().deltaTime);
    // The sun's light follows the time of day before anything is drawn with
    // it: the shadow passes decide from it which maps the frame reads.
    settings.dirLight.Direction = SunDirection(settings.timeOfDay);
    settings.dirLight.Base.Color = SunColorAt(settings.timeOfDay);
    if (!objects.empty() && !settings.pointLights.empty())
        objects[0].position = settings.pointLights[0].Position;
    for (size_t i = 1; i < settings.pointLights.size() && i <= LanternLightPositions.size(); ++i)
        settings.pointLights[i].Position = FlickerPosition(LanternLightPositions[i - 1], RandomValue());
    // The lamps that have a cube map cast shadows while the setting is on.
    for (PointLight& light : settings.pointLights)
        light.ShadowMapEnabled = light.ShadowMap >= 0 && settings.lampShadows;
}

// A changed shadow-map size takes effect before the next shadow pass: the maps
// are made again at the new size.
void CMainScene::FitShadowMapsToSettings()
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    if (cascadeShadowMap.width != settings.shadowMapWidth || cascadeShadowMap.height != settings.shadowMapHeight)
    {
        cascadeShadowMap.Destroy();
        cascadeShadowMap.Init(settings.shadowMapWidth, settings.shadowMapHeight);
    }
    const int cubeFace = CubeFaceSize(settings.shadowMapWidth, settings.shadowMapHeight);
    for (CPointShadowMap* shadowMap : pointShadowMaps)
    {
        if (shadowMap->width == cubeFace)
            continue;
        shadowMap->Release();
        shadowMap->Init(cubeFace, cubeFace);
    }
}

void CMainScene::RenderShadowMaps()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    FitShadowMapsToSettings();
    // Maps that no fragment of this frame reads are not drawn: the cascades
    // while the sun is gone, the lamps' cubes while the lamps add nothing. They
    // are drawn again in the first frame that reads them.
    const LightingState light = LightingStateOf(settings.dirLight);
    if (light.sun)
        RenderCascadePass(cascadeShadowMap, {shadowMapProgram, opaqueShadowMapProgram}, objects);
    settings.AddProfilerMark("ShadowMapDir");
    if (light.lamps)
        RenderPointShadowPass(pointShadowMaps, pointShadowProgram, objects);
    settings.AddProfilerMark("ShadowMapPoint");
}

void CMainScene::BindShadowMaps()
{
    for (int i = 0; i < kCascadeCount; ++i)
    {
        glActiveTexture(GLenum(GL_TEXTURE0 + kFirstCascadeUnit + i));
        glBindTexture(GL_TEXTURE_2D, cascadeShadowMap.shadowMaps[size_t(i)]);
    }
    for (const PointLight& light : CRenderSettings::GetInstance().pointLights)
    {
        if (!light.ShadowMapEnabled || light.ShadowMap < 0 || size_t(light.ShadowMap) >= pointShadowMaps.size())
            continue;
        glActiveTexture(GLenum(GL_TEXTURE0 + kFirstPointShadowUnit + light.ShadowMap));
        glBindTexture(GL_TEXTURE_CUBE_MAP, pointShadowMaps[size_t(light.ShadowMap)]->cubeMap);
    }
    glActiveTexture(GL_TEXTURE0);
}

void CMainScene::Render()
{
    BindShadowMaps();
    for (const SceneObject& object : objects)
        DrawSceneObject(object, nullptr, FlagHidden);
    particles.Frame();
}

void CMainScene::RenderUI()
{
    const size_t kFoliage = 4; // the grass and rocks
    CRenderSettings& settings = CRenderSettings::GetInstance();
    DrawSceneSection(objects.size() > kFoliage ? &objects[kFoliage] : nullptr);
    const SettingOwners owners = {settings, particleSettings};
    DrawLightsSection(owners);
    DrawPostProcessingSection(owners);
    DrawParticlesSection(owners, particles.particleCount);
    DrawDebugSection(owners);
    DrawQualitySection(owners);
}

void CMainScene::Release()
{
    lightShadowsProgram.Destroy();
    basicProgram.Destroy();
    shadowMapProgram.Destroy();
    opaqueShadowMapProgram.Destroy();
    pointShadowProgram.Destroy();
    CTextureManager::GetInstance().UnloadTexture(particles.texture);
    particles.Destroy();
    cascadeShadowMap.Destroy();
    for (CMesh& mesh : meshes)
        mesh.Clear();
    for (CPointShadowMap*& shadowMap : pointShadowMaps)
    {
        if (shadowMap == nullptr)
            continue;
        shadowMap->Release();
        delete shadowMap;
        shadowMap = nullptr;
    }
    pointShadowMaps.clear();
}
