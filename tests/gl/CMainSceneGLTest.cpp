#include <GL/glew.h>
#include <SDL2/SDL.h>
#include <array>
#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "app/InputState.h"
#include "camera/CShowcaseCamera.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CMainScene.h"
#include "scene/CSkyboxDynamic.h"
#include "scene/SceneAnimation.h"
#include "textures/CTextureManager.h"

namespace
{
// The real scene, built from the runnable layout's data set, in a small window.
class CMainSceneGLTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CApplication& app = CApplication::GetInstance();
        app.width = 320;
        app.height = 240;
        app.projection = MakePerspective(80.0f, 320.0f / 240.0f, 0.5f, 1500.0f);
        testing::internal::CaptureStdout();
        scene = new CMainScene();
        scene->Init();
        startupOutput = testing::internal::GetCapturedStdout();
    }

    static void TearDownTestSuite()
    {
        scene->Release();
        delete scene;
        CApplication& app = CApplication::GetInstance();
        app.SetSkybox(nullptr);
        app.SetCamera(nullptr);
        CRenderSettings::GetInstance().pointLights.clear();
        GetInputState().keyboard = nullptr;
    }

    // The scene updated at a time of day, the clock held.
    static void AtTimeOfDay(float timeOfDay)
    {
        CRenderSettings::GetInstance().timeOfDay = timeOfDay;
        CApplication::GetInstance().deltaTime = 0.0f;
        scene->Update();
    }

    // Clears what tells whether each map was drawn since.
    static void ForgetTheMaps()
    {
        for (CPointShadowMap* cube : scene->pointShadowMaps)
            cube->drawnFor = PointShadowKey();
        for (auto& bounds : CRenderSettings::GetInstance().cascadeOrthoBounds)
            bounds.fill(kUnfitted);
    }

    // The cascade pass fits each box to the camera before it draws its map.
    static bool CascadesDrawn()
    {
        return CRenderSettings::GetInstance().cascadeOrthoBounds[0][0] != kUnfitted;
    }

    static constexpr float kUnfitted = -12345.0f;

    static int CubesDrawn()
    {
        int drawn = 0;
        for (const CPointShadowMap* cube : scene->pointShadowMaps)
            drawn += cube->drawnFor.bytes.empty() ? 0 : 1;
        return drawn;
    }

    static CMainScene* scene;
    static std::string startupOutput;
};

CMainScene* CMainSceneGLTest::scene = nullptr;
std::string CMainSceneGLTest::startupOutput;
}

TEST_F(CMainSceneGLTest, StartsAndDrawsWithoutProgramOrFramebufferErrors)
{
    for (const char* problem : {"Unable to get the location", "Prog Info Log", "FB error", "Error parsing"})
        EXPECT_EQ(startupOutput.find(problem), std::string::npos) << problem << " in:\n" << startupOutput;
    EXPECT_TRUE(scene->lightShadowsProgram.linked && scene->basicProgram.linked);
    EXPECT_TRUE(scene->shadowMapProgram.linked && scene->opaqueShadowMapProgram.linked && scene->pointShadowProgram.linked);

    CApplication& app = CApplication::GetInstance();
    app.deltaTime = 0.5f;
    scene->Update();
    app.camera->Update();
    scene->RenderShadowMaps();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, app.width, app.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    app.skybox->Render();
    scene->Render();
    glFinish();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(CMainSceneGLTest, HoldsItsObjectsLightsCameraAndSky)
{
    const CApplication& app = CApplication::GetInstance();
    EXPECT_NE(dynamic_cast<CShowcaseCamera*>(app.camera), nullptr);
    EXPECT_NE(dynamic_cast<CSkyboxDynamic*>(app.skybox), nullptr);
    ASSERT_EQ(scene->objects.size(), 13u);
    EXPECT_EQ(scene->objects[0].flags, uint32_t(FlagNoShadow)); // the sun's marker
    EXPECT_EQ(scene->objects[1].flags, uint32_t(FlagAllPointLights)); // the landscape
    for (const SceneObject& object : scene->objects)
        EXPECT_FALSE(object.mesh->subMeshes.empty());

    // Nine lights; the first three cast shadows into their own cube maps.
    const auto& lights = CRenderSettings::GetInstance().pointLights;
    ASSERT_EQ(lights.size(), 9u);
    ASSERT_EQ(scene->pointShadowMaps.size(), 3u);
    for (size_t i = 0; i < lights.size(); ++i)
        EXPECT_EQ(lights[i].ShadowMap, i < 3 ? int(i) : -1);
    for (const CPointShadowMap* map : scene->pointShadowMaps)
        EXPECT_NE(map->cubeMap, 0u);
}

TEST_F(CMainSceneGLTest, UpdateMovesTheSunWithXAndFlickersTheLanterns)
{
    std::array<uint8_t, SDL_NUM_SCANCODES> keys = {};
    keys[SDL_SCANCODE_X] = 1;
    GetInputState().keyboard = keys.data();
    CRenderSettings& settings = CRenderSettings::GetInstance();
    settings.timeOfDay = 36.5f;
    CApplication::GetInstance().deltaTime = 0.5f;
    scene->Update();
    GetInputState().keyboard = nullptr;

    EXPECT_FLOAT_EQ(settings.timeOfDay, 59.0f);
    EXPECT_NEAR(glm::dot(settings.dirLight.Direction, SunDirection(59.0f)), 1.0f, 1e-5f);
    EXPECT_EQ(scene->objects[0].position, settings.pointLights[0].Position);
    for (size_t i = 1; i < 9; ++i)
        EXPECT_LE(glm::distance(settings.pointLights[i].Position, LanternLightPositions[i - 1]), 0.0175f);
}

TEST_F(CMainSceneGLTest, SnowsWithItsOwnSettingsCopiedEveryUpdate)
{
    EXPECT_EQ(scene->particleSettings.generateCount, 3000);
    EXPECT_EQ(scene->particleSettings.genPosition, glm::vec3(0, 75, 0));
    EXPECT_TRUE(CTextureManager::GetInstance().Holds(scene->particles.texture));
    EXPECT_NEAR(scene->particles.particleCount, 28500, 2850) << "started in the steady state";

    scene->particleSettings.noise = 99.0f;
    scene->particleSettings.genGravityVector = {1, -2, 3};
    scene->Update();
    EXPECT_EQ(scene->particles.params.noise, 99.0f);
    EXPECT_EQ(scene->particles.params.genGravityVector, glm::vec3(1, -2, 3));
}

// A new shadow-map size makes the maps again before the next shadow pass; the
// lamps' cube faces stay square, as wide as the larger side.
TEST_F(CMainSceneGLTest, ShadowMapsFollowTheirSizeSettingBeforeTheNextShadowPass)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    AtTimeOfDay(88.0f); // at dusk both the sun and the lamps light the frame
    for (const glm::ivec2 size : {glm::ivec2(800, 800), glm::ivec2(800, 400), glm::ivec2(1600, 1600)})
    {
        settings.shadowMapWidth = size.x;
        settings.shadowMapHeight = size.y;
        scene->RenderShadowMaps();
        for (GLuint map : scene->cascadeShadowMap.shadowMaps)
            EXPECT_EQ(TextureSize(map), size);
        for (const CPointShadowMap* cube : scene->pointShadowMaps)
            EXPECT_EQ(TextureSize(cube->cubeMap, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_CUBE_MAP_NEGATIVE_Z),
                      glm::ivec2(size.x));
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], size.x) << "the last cube face drawn";
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST_F(CMainSceneGLTest, LampShadowsOffLeaveTheCubesUndrawnAndUnreadUntilTheyAreOnAgain)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    settings.lampShadows = false;
    AtTimeOfDay(180.0f);
    for (const PointLight& light : settings.pointLights)
        EXPECT_FALSE(light.ShadowMapEnabled) << "the lit pass reads no cube";
    for (CPointShadowMap* cube : scene->pointShadowMaps)
        cube->drawnFor = PointShadowKey();
    scene->RenderShadowMaps();
    for (const CPointShadowMap* cube : scene->pointShadowMaps)
        EXPECT_TRUE(cube->drawnFor.bytes.empty()) << "no cube drawn";

    settings.lampShadows = true;
    scene->Update();
    int shadowing = 0;
    for (const PointLight& light : settings.pointLights)
        shadowing += light.ShadowMapEnabled && light.ShadowMap >= 0 ? 1 : 0;
    EXPECT_EQ(shadowing, int(scene->pointShadowMaps.size()));
    scene->RenderShadowMaps();
    for (const CPointShadowMap* cube : scene->pointShadowMaps)
        EXPECT_FALSE(cube->drawnFor.bytes.empty()) << "every cube drawn before the frame that reads it";
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

// The shadow passes draw only the maps that the frame's light reads: by day no
// cube (the lamps' share is 0), at night no cascade (the sun is gone). A map
// is drawn in the first frame whose light reads it.
TEST_F(CMainSceneGLTest, ShadowPassesDrawOnlyTheMapsThatTheFramesLightReads)
{
    const struct
    {
        float timeOfDay;
        bool cascades;
        bool cubes;
    } cases[] = {{36.5f, true, false}, {0.0f, true, false}, {88.0f, true, true}, {180.0f, false, true},
                 {36.5f, true, false}, {100.0f, false, true}};
    for (const auto& c : cases)
    {
        AtTimeOfDay(c.timeOfDay);
        ForgetTheMaps();
        scene->RenderShadowMaps();
        EXPECT_EQ(CascadesDrawn(), c.cascades) << c.timeOfDay;
        EXPECT_EQ(CubesDrawn(), c.cubes ? int(scene->pointShadowMaps.size()) : 0) << c.timeOfDay;
    }
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    AtTimeOfDay(36.5f);
}
