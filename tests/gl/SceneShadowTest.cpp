#include <FreeImage.h>
#include <GL/glew.h>
#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "camera/CameraMath.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CCascadeShadowMap.h"
#include "scene/CMesh.h"
#include "scene/CPointShadowMap.h"
#include "scene/SceneObjectDraw.h"
#include "scene/ShadowPasses.h"
#include "shaders/CShaderProgramLightShadows.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"
#include "tests/TestFiles.h"

namespace
{
constexpr int kSize = 256;

const char* const groundObj = "mtllib white.mtl\nusemtl white\n"
                              "v -12 0 -12\nv 12 0 -12\nv 12 0 12\nv -12 0 12\n"
                              "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 1 0\n"
                              "f 1/1/1 4/4/1 3/3/1 2/2/1\n";

// A 2 x 2 x 2 box standing on the ground at the origin.
const char* const boxObj = "mtllib white.mtl\nusemtl white\n"
                           "v -1 0 -1\nv 1 0 -1\nv 1 2 -1\nv -1 2 -1\nv -1 0 1\nv 1 0 1\nv 1 2 1\nv -1 2 1\n"
                           "vt 0 0\nvn 0 0 -1\nvn 0 0 1\nvn -1 0 0\nvn 1 0 0\nvn 0 1 0\nvn 0 -1 0\n"
                           "f 1/1/1 4/1/1 3/1/1 2/1/1\nf 5/1/2 6/1/2 7/1/2 8/1/2\nf 1/1/3 5/1/3 8/1/3 4/1/3\n"
                           "f 2/1/4 3/1/4 7/1/4 6/1/4\nf 4/1/5 8/1/5 7/1/5 3/1/5\nf 1/1/6 2/1/6 6/1/6 5/1/6\n";

class CFixedCamera : public CCamera
{
public:
    glm::vec3 GetPosition() override { return eye; }
    Matrix4 GetViewMatrix() override { return MakeLookAt(eye, target, glm::vec3(0, 1, 0)); }
    void Update() override {}
    glm::vec3 GetTarget() override { return target; }
    glm::vec3 eye{0.0f, 22.0f, -14.0f};
    glm::vec3 target{0.0f, 0.0f, 0.0f};
};

void WriteWhiteImage(const std::string& path)
{
    FIBITMAP* image = FreeImage_Allocate(4, 4, 24);
    for (int y = 0; y < 4; ++y)
        std::fill_n(FreeImage_GetScanLine(image, y), 12, BYTE(255));
    FreeImage_Save(FIF_PNG, image, path.c_str(), 0);
    FreeImage_Unload(image);
}

// A ground plane and a box drawn through the real programs and both shadow
// passes into a three-target float framebuffer.
class SceneShadowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteWhiteImage(dir.Path("white_diffuse.png"));
        dir.Write("white.mtl", "newmtl white\nmap_Kd white_diffuse.png\n");
        ground.Load(dir.Write("ground.obj", groundObj));
        box.Load(dir.Write("box.obj", boxObj));

        CApplication& app = CApplication::GetInstance();
        app.width = app.height = kSize;
        app.projection = MakePerspective(60.0f, 1.0f, 0.5f, 200.0f);
        app.SetCamera(camera = new CFixedCamera());

        settings.shadowMapWidth = settings.shadowMapHeight = 512;
        settings.cascadeSplits = {0.5f, 20.0f, 40.0f, 80.0f, 200.0f};
        lit.Create();
        depth.Create();
        distance.Create();
        cascades.Init(512, 512);
        cube.Init(512, 512);
        CreateTarget();

        objects.resize(2);
        objects[0].mesh = &ground;
        objects[0].flags = FlagAllPointLights;
        objects[1].mesh = &box;
        for (SceneObject& object : objects)
            object.program = &lit;
    }

    void TearDown() override
    {
        CApplication::GetInstance().SetCamera(nullptr);
        lit.Destroy();
        depth.Destroy();
        distance.Destroy();
        cascades.Destroy();
        cube.Release();
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(3, targets);
        glDeleteRenderbuffers(1, &depthBuffer);
        settings.pointLights.clear();
        settings.shadowMapWidth = settings.shadowMapHeight = 1600;
        settings.cascadeSplits = {0.5f, 70.0f, 120.0f, 210.0f, 1500.0f};
    }

    void CreateTarget()
    {
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glGenTextures(3, targets);
        for (GLenum i = 0; i < 3; ++i)
        {
            glBindTexture(GL_TEXTURE_2D, targets[i]);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB16F, kSize, kSize, 0, GL_RGB, GL_FLOAT, nullptr);
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, targets[i], 0);
        }
        glGenRenderbuffers(1, &depthBuffer);
        glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, kSize, kSize);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
    }

    void SetSun(const glm::vec3& direction, float diffuse)
    {
        settings.dirLight.Direction = glm::normalize(direction);
        settings.dirLight.Base.Color = glm::vec3(1.0f);
        settings.dirLight.Base.AmbientIntensity = 0.1f;
        settings.dirLight.Base.DiffuseIntensity = diffuse;
    }

    void AddShadowedLamp(const glm::vec3& position)
    {
        PointLight lamp;
        lamp.Base.Color = glm::vec3(1.0f);
        lamp.Base.DiffuseIntensity = 3.0f;
        lamp.Position = position;
        lamp.Atten = {1.0f, 0.09f, 0.032f};
        lamp.ShadowMapEnabled = true;
        lamp.ShadowMap = 0;
        settings.pointLights = {lamp};
    }

    void RenderFrame()
    {
        RenderCascadePass(cascades, depth, objects);
        RenderPointShadowPass({&cube}, distance, objects);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        const GLenum buffers[3] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2};
        glDrawBuffers(3, buffers);
        glViewport(0, 0, kSize, kSize);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        for (int i = 0; i < 4; ++i)
        {
            glActiveTexture(GLenum(GL_TEXTURE3 + i));
            glBindTexture(GL_TEXTURE_2D, cascades.shadowMaps[size_t(i)]);
        }
        glActiveTexture(GL_TEXTURE7);
        glBindTexture(GL_TEXTURE_CUBE_MAP, cube.cubeMap);
        glActiveTexture(GL_TEXTURE0);
        for (const SceneObject& object : objects)
            DrawSceneObject(object, nullptr, FlagHidden);
        glFinish();
    }

    // Brightness of the scene colour where the world point lands on screen.
    float BrightnessAt(const glm::vec3& world)
    {
        const Matrix4 mvp = CApplication::GetInstance().projection * camera->GetViewMatrix();
        const glm::vec4 clip = mvp * glm::vec4(world, 1.0f);
        const int x = int((clip.x / clip.w * 0.5f + 0.5f) * kSize);
        const int y = int((clip.y / clip.w * 0.5f + 0.5f) * kSize);
        float rgb[3] = {};
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        glReadBuffer(GL_COLOR_ATTACHMENT0);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_FLOAT, rgb);
        return rgb[0] + rgb[1] + rgb[2];
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    TempDir dir{"scene-shadows"};
    CMesh ground, box;
    CFixedCamera* camera = nullptr;
    CShaderProgramLightShadows lit;
    CShaderProgramShadowMap depth;
    CShaderProgramPointLightShadowMap distance;
    CCascadeShadowMap cascades;
    CPointShadowMap cube;
    GLuint fbo = 0, targets[3] = {}, depthBuffer = 0;
    std::vector<SceneObject> objects;
};
}

TEST_F(SceneShadowTest, SunShadowFallsBehindTheBoxAndFlaggedObjectsCastNone)
{
    SetSun({1.0f, -1.0f, 0.0f}, 0.8f); // travels towards +x
    settings.pointLights.clear();
    RenderFrame();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    const glm::vec3 behind(2.0f, 0.0f, 0.0f), open(-2.0f, 0.0f, -4.0f);
    EXPECT_LT(BrightnessAt(behind), 0.6f * BrightnessAt(open));

    for (uint32_t flag : {uint32_t(FlagNoShadow), uint32_t(FlagHidden)})
    {
        objects[1].flags = flag;
        RenderFrame();
        EXPECT_NEAR(BrightnessAt(behind), BrightnessAt(open), 0.05f * BrightnessAt(open)) << "flag " << flag;
    }
}

TEST_F(SceneShadowTest, LampShadowFallsOnTheFarSideOfTheBox)
{
    SetSun({0.0f, -1.0f, 0.0f}, 0.0f); // ambient only
    AddShadowedLamp({-2.5f, 1.0f, 0.0f});
    RenderFrame();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    // Both points lie 5.1 units from the lamp at the same angle; only the box separates them.
    const glm::vec3 shadowed(2.5f, 0.0f, 0.0f), lit(-2.5f, 0.0f, -5.0f);
    EXPECT_LT(BrightnessAt(shadowed), 0.5f * BrightnessAt(lit));

    objects[1].flags = FlagNoShadow;
    RenderFrame();
    EXPECT_NEAR(BrightnessAt(shadowed), BrightnessAt(lit), 0.1f * BrightnessAt(lit));
}
