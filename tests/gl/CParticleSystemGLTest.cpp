#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "GlTestContext.h"
#include "SceneTarget.h"
#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "effects/CParticleSystem.h"
#include "effects/ParticleRecord.h"
#include "scene/SceneAnimation.h"
#include "textures/CTextureManager.h"

namespace
{
const float kStep = 0.03f;
const int32_t kSteadyCount = 28500; // 3000 a second times a mean life of 9.5 s

// A particle system started by Init, stepped by Frame into a small scene
// target seen from among the flakes, looking up.
class CParticleSystemGLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CApplication& app = CApplication::GetInstance();
        app.SetCamera(camera = new CTestCamera());
        camera->eye = {0.0f, 40.0f, 0.0f};
        camera->direction = {0.0f, 1.0f, 0.0f};
        app.projection = MakePerspective(90.0f, 1.0f, 0.5f, 1500.0f);
        app.deltaTime = kStep;
        ASSERT_TRUE(target.complete);
    }

    void TearDown() override
    {
        CTextureManager::GetInstance().UnloadTexture(sprite);
        system.Destroy();
        CApplication::GetInstance().SetCamera(nullptr);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }

    void Start(const ParticleParams& params = ParticleParams())
    {
        sprite = CTextureManager::GetInstance().LoadTexture("Resources\\textures\\snow_particle3.png");
        ASSERT_NE(sprite, nullptr);
        ASSERT_TRUE(system.Init(params, sprite));
        EXPECT_FALSE(glIsEnabled(GL_RASTERIZER_DISCARD)) << "the first frame's passes must draw";
    }

    void Frames(int count)
    {
        target.Clear();
        glEnable(GL_DEPTH_TEST);
        for (int i = 0; i < count; ++i)
            system.Frame();
        glDisable(GL_DEPTH_TEST);
    }

    // The particles the last step wrote.
    std::vector<ParticleRecord> Records() const
    {
        std::vector<ParticleRecord> records(size_t(system.particleCount));
        glBindBuffer(GL_ARRAY_BUFFER, system.vertexBuffers[system.readIndex]);
        glGetBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(records.size() * sizeof(ParticleRecord)), records.data());
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        return records;
    }

    static ParticleParams LongLived(int32_t rate)
    {
        ParticleParams params;
        params.generateCount = rate;
        params.genLifeMin = params.genLifeMax = 1000.0f;
        return params;
    }

    CTestCamera* camera = nullptr;
    CTexture* sprite = nullptr;
    SceneTarget target{64};
    CParticleSystem system;
};
}

// The warm-up's shortcut leaves out the steps whose flakes melt before its end;
// the buffer it leaves must be the full warm-up's, record for record, also
// when a step emits more than one input point's batch.
TEST_F(CParticleSystemGLTest, WarmUpShortcutLeavesTheFullWarmUpsBuffer)
{
    sprite = CTextureManager::GetInstance().LoadTexture("Resources\\textures\\snow_particle3.png");
    for (int32_t rate : {3000, 5000})
    {
        // Short lives keep the full warm-up's thousand steps cheap (the test runs
        // under the sanitizers too) and let the shortcut skip nine tenths of them.
        ParticleParams params;
        params.generateCount = rate;
        params.genLifeMin = 1.5f;
        params.genLifeMax = 2.5f;
        CParticleSystem full;
        full.warmUpShortcut = false;
        std::srand(11);
        ASSERT_TRUE(full.Init(params, sprite));
        std::srand(11);
        ASSERT_TRUE(system.Init(params, sprite));
        const std::vector<ParticleRecord> shortcut = Records();
        ASSERT_EQ(shortcut.size(), size_t(full.particleCount)) << rate;
        std::vector<ParticleRecord> expected(shortcut.size());
        glBindBuffer(GL_ARRAY_BUFFER, full.vertexBuffers[full.readIndex]);
        glGetBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(expected.size() * sizeof(ParticleRecord)), expected.data());
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        EXPECT_EQ(std::memcmp(shortcut.data(), expected.data(), expected.size() * sizeof(ParticleRecord)), 0) << rate;
        EXPECT_EQ(system.spawnAccumulator, full.spawnAccumulator) << rate;
        full.Destroy();
        system.Destroy();
    }
}

TEST_F(CParticleSystemGLTest, WarmsUpToTheSteadyStateAndStaysThere)
{
    Start();
    EXPECT_NEAR(system.particleCount, kSteadyCount, kSteadyCount / 10);
    for (int i = 0; i < 100; ++i)
    {
        Frames(1);
        ASSERT_NEAR(system.particleCount, kSteadyCount, kSteadyCount / 10) << "frame " << i;
    }

    // The generator stays first; the flakes live, fall from the spawn area and drift within reach of it.
    const std::vector<ParticleRecord> records = Records();
    EXPECT_EQ(records[0].type, kParticleGeneratorType);
    EXPECT_EQ(records[0].position, glm::vec3(0.0f));
    float heights = 0.0f;
    for (size_t i = 1; i < records.size(); ++i)
    {
        const ParticleRecord& flake = records[i];
        ASSERT_EQ(flake.type, kParticleFlakeType) << i;
        ASSERT_TRUE(flake.lifetime > 0.0f && flake.lifetime <= 10.0f) << i;
        ASSERT_LE(flake.position.y, 78.0f) << i;
        ASSERT_LT(glm::max(std::abs(flake.position.x), std::abs(flake.position.z)), 200.0f) << i;
        heights += flake.position.y;
    }
    EXPECT_NEAR(heights / float(records.size() - 1), 37.5f, 10.0f) << "spread evenly over the fall";
}

TEST_F(CParticleSystemGLTest, FirstStepReadsTheGeneratorAloneAndEveryStepEmitsAllItOwes)
{
    // With lives longer than the warm-up nothing dies: 1000 steps of 45 each.
    Start(LongLived(1500));
    EXPECT_EQ(system.particleCount, 1 + 1000 * 45);

    // 300 a step takes three batches of the emitting points.
    system.params.generateCount = 10000;
    Frames(10);
    EXPECT_EQ(system.particleCount, 1 + 1000 * 45 + 10 * 300);

    // A first step again reads the generator alone, whatever the buffer holds.
    system.firstUpdateDone = false;
    system.params.generateCount = 3000;
    system.Simulate(kStep);
    system.Draw();
    EXPECT_EQ(system.particleCount, 1 + 90);
    system.Simulate(kStep);
    system.Draw();
    EXPECT_EQ(system.particleCount, 1 + 90 + 90);
}

TEST_F(CParticleSystemGLTest, FillsBothBuffersAndNeverMore)
{
    Start();
    system.params = LongLived(1000000); // 30,000 a step
    Frames(3);
    EXPECT_EQ(system.particleCount, CParticleSystem::kCapacity);
    for (int i = 0; i < 20; ++i)
    {
        Frames(1);
        ASSERT_EQ(system.particleCount, CParticleSystem::kCapacity) << "frame " << i;
    }
    EXPECT_EQ(Records()[0].type, kParticleGeneratorType);
}

TEST_F(CParticleSystemGLTest, DrawsTheOpenSkysLightIntoTheSceneColourOnlyAndMarksTheSeenCoreSharp)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const DirectionalLight savedSun = settings.dirLight;
    settings.dirLight.Base = BaseLight{glm::vec3(1.0f), 0.1f, 0.8f};
    settings.dirLight.Direction = SunDirection(36.5f);
    // Flakes some pixels wide, so that each has a core and a faint rim.
    ParticleParams params;
    params.billboardSize = 4.0f;
    Start(params);
    system.params.billboardSize = 5.0f; // too late: the size is the program's since Init
    settings.vertexCount = 7;
    const float background = 0.5f;
    const glm::vec4 backgroundDepth(background);
    target.Clear();
    glClearBufferfv(GL_COLOR, 2, &backgroundDepth.x);
    glEnable(GL_DEPTH_TEST);
    system.Frame();
    glDisable(GL_DEPTH_TEST);
    EXPECT_EQ(settings.vertexCount, 7 + 3 * system.particleCount);
    GLfloat size = 0.0f;
    glGetUniformfv(system.renderProgram.programId, system.renderProgram.GetUniformLocation("gBillboardSize"), &size);
    EXPECT_FLOAT_EQ(size, 4.0f);

    // Depth of field keeps the background's depth wherever a flake is faint, and
    // the pixels it marks sharp (below 0) are ones its light stands out in.
    const std::vector<glm::vec4> colour = target.Read(0), depth = target.Read(2);
    float light = 0.0f, faintestMarked = 1e9f;
    int lit = 0, marked = 0;
    for (size_t i = 0; i < colour.size(); ++i)
    {
        light += colour[i].r;
        lit += colour[i].r > 0.0f;
        if (depth[i].r <= 0.0f)
        {
            ++marked;
            faintestMarked = std::min(faintestMarked, colour[i].r);
        }
        else
            ASSERT_EQ(depth[i].r, background) << i;
    }
    EXPECT_GT(light, 0.0f) << "flakes overhead";
    EXPECT_GT(marked, 0);
    EXPECT_LT(marked, lit * 3 / 4) << "the faint rim of a flake's square is marked too";
    EXPECT_GT(faintestMarked, 0.1f);
    for (const glm::vec4& texel : target.Read(1))
        ASSERT_EQ(glm::vec3(texel), glm::vec3(0.0f)) << "nothing blooms";

    // Half the sun and sky, half the flakes' light.
    settings.dirLight.Base.AmbientIntensity = 0.05f;
    settings.dirLight.Base.DiffuseIntensity = 0.4f;
    target.Clear();
    glEnable(GL_DEPTH_TEST);
    system.Draw();
    glDisable(GL_DEPTH_TEST);
    float halved = 0.0f;
    for (const glm::vec4& texel : target.Read(0))
        halved += texel.r;
    EXPECT_NEAR(halved, light / 2.0f, light * 0.01f);
    settings.dirLight = savedSun;

    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_RASTERIZER_DISCARD));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
}
