#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "camera/CameraMath.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CSkyboxCubemap.h"
#include "scene/CSkyboxDynamic.h"
#include "scene/SceneAnimation.h"
#include "scene/SkyMath.h"
#include "tests/TestFiles.h"

namespace
{
const int kSize = 32;

// Looks from `eye` along `direction`.
class CLookCamera : public CCamera
{
public:
    glm::vec3 GetPosition() override { return eye; }
    glm::vec3 GetTarget() override { return eye + direction; }
    Matrix4 GetViewMatrix() override
    {
        const bool vertical = std::abs(glm::normalize(direction).y) > 0.99f;
        return MakeLookAt(eye, eye + direction, vertical ? glm::vec3(0, 0, -1) : glm::vec3(0, 1, 0));
    }
    void Update() override {}

    glm::vec3 eye = glm::vec3(0.0f);
    glm::vec3 direction = glm::vec3(0, 0, -1);
};

float Luminance(const glm::vec4& c)
{
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
}

// A sky drawn through the application's camera and projection into the three
// float targets of a scene pass.
class SkyboxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CApplication& app = CApplication::GetInstance();
        app.SetCamera(camera = new CLookCamera());
        SetFieldOfView(90.0f);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glGenTextures(3, targets);
        for (GLuint i = 0; i < 3; ++i)
        {
            glBindTexture(GL_TEXTURE_2D, targets[i]);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, kSize, kSize, 0, GL_RGBA, GL_FLOAT, nullptr);
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, targets[i], 0);
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, kSize, kSize);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth);
        const GLenum buffers[3] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2};
        glDrawBuffers(3, buffers);
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
        glViewport(0, 0, kSize, kSize);
        glEnable(GL_DEPTH_TEST);
    }

    void TearDown() override
    {
        CApplication::GetInstance().SetCamera(nullptr);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(3, targets);
        glDeleteRenderbuffers(1, &depth);
        glDisable(GL_DEPTH_TEST);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }

    static void SetFieldOfView(float degrees)
    {
        CApplication::GetInstance().projection = MakePerspective(degrees, 1.0f, 0.5f, 1500.0f);
    }

    // Clears the targets as a scene pass does, draws the sky and reads one target back.
    std::vector<glm::vec4> Draw(CSkybox& sky, const glm::vec3& direction, int target = 0)
    {
        camera->direction = direction;
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        sky.Render();
        std::vector<glm::vec4> pixels(kSize * kSize);
        glReadBuffer(GL_COLOR_ATTACHMENT0 + GLenum(target));
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_FLOAT, pixels.data());
        return pixels;
    }

    static glm::vec4 Centre(const std::vector<glm::vec4>& pixels)
    {
        return pixels[(kSize / 2) * kSize + kSize / 2];
    }

    static float MedianLuminance(const std::vector<glm::vec4>& pixels)
    {
        std::vector<float> values;
        for (const glm::vec4& p : pixels)
            values.push_back(Luminance(p));
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    }

    CLookCamera* camera = nullptr;
    GLuint fbo = 0, targets[3] = {}, depth = 0;
};

struct FaceCase
{
    const char* name;
    glm::vec3 direction;
    glm::vec3 colour;
};

const FaceCase kFaces[6] = {
    {"right", {1, 0, 0}, {1, 0, 0}}, {"left", {-1, 0, 0}, {0, 1, 0}},  {"top", {0, 1, 0}, {0, 0, 1}},
    {"bottom", {0, -1, 0}, {1, 1, 0}}, {"back", {0, 0, 1}, {0, 1, 1}}, {"front", {0, 0, -1}, {1, 0, 1}},
};

bool WriteFace(const std::string& path, const glm::vec3& colour)
{
    FIBITMAP* bitmap = FreeImage_Allocate(8, 8, 24);
    for (int y = 0; y < 8; ++y)
    {
        BYTE* row = FreeImage_GetScanLine(bitmap, y);
        for (int x = 0; x < 8; ++x)
        {
            row[x * 3 + FI_RGBA_RED] = BYTE(colour.r * 255.0f);
            row[x * 3 + FI_RGBA_GREEN] = BYTE(colour.g * 255.0f);
            row[x * 3 + FI_RGBA_BLUE] = BYTE(colour.b * 255.0f);
        }
    }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

void ExpectColour(const glm::vec4& pixel, const glm::vec3& colour, const char* what)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(pixel[c], colour[c], 0.05f) << what << " channel " << c;
}
}

TEST_F(SkyboxTest, CubeSkyShowsEachNamedFaceInItsDirectionWhereverTheCameraIs)
{
    TempDir dir("skybox-faces");
    for (const FaceCase& face : kFaces)
        ASSERT_TRUE(WriteFace(dir.Path(std::string(face.name) + ".png"), face.colour));

    CSkyboxCubemap sky;
    ASSERT_TRUE(sky.Init(dir.Path("%s.png")));
    EXPECT_NE(sky.cubemap.texture, 0u);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    for (const FaceCase& face : kFaces)
    {
        camera->eye = glm::vec3(0.0f);
        ExpectColour(Centre(Draw(sky, face.direction)), face.colour, face.name);
        camera->eye = glm::vec3(300.0f, 40.0f, -120.0f);
        ExpectColour(Centre(Draw(sky, face.direction)), face.colour, face.name);
    }
    // The sky is far away: depth of field sees it beyond the focus, and it never blooms.
    EXPECT_GT(Centre(Draw(sky, {0, 0, -1}, 2)).r, 1.0f);
    EXPECT_EQ(Centre(Draw(sky, {0, 0, -1}, 1)), glm::vec4(0, 0, 0, 1));
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));

    // A second Init starts over cleanly.
    ASSERT_TRUE(sky.Init(dir.Path("%s.png")));
    ExpectColour(Centre(Draw(sky, {1, 0, 0})), kFaces[0].colour, "right after a second Init");
    sky.Release();
    sky.Release();
    EXPECT_EQ(sky.cubemap.texture, 0u);
}

TEST_F(SkyboxTest, CubeSkyWithAMissingFaceFailsAndDrawsBlack)
{
    TempDir dir("skybox-missing");
    for (const FaceCase& face : kFaces)
    {
        if (std::string(face.name) == "top")
            continue;
        ASSERT_TRUE(WriteFace(dir.Path(std::string(face.name) + ".png"), face.colour));
    }

    CSkyboxCubemap sky;
    EXPECT_FALSE(sky.Init(dir.Path("%s.png")));
    EXPECT_EQ(sky.cubemap.texture, 0u);
    ExpectColour(Centre(Draw(sky, {1, 0, 0})), glm::vec3(0.0f), "sky without its cube map");
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    sky.Release();
}

// The time-of-day sky with the data set's maps and sprites.
class DynamicSkyTest : public SkyboxTest
{
protected:
    void SetUp() override
    {
        SkyboxTest::SetUp();
        savedLight = settings.dirLight;
        ASSERT_TRUE(sky.Init("Resources\\skyboxes\\dynamic\\%s.png")) << "the data set is missing";
        ASSERT_EQ(sky.objects.size(), 102u);
    }

    void TearDown() override
    {
        sky.Release();
        settings.timeOfDay = 36.5f;
        settings.dirLight = savedLight;
        SkyboxTest::TearDown();
    }

    std::vector<glm::vec4> DrawAt(float timeOfDay, const glm::vec3& direction, int target = 0)
    {
        settings.timeOfDay = timeOfDay;
        settings.dirLight.Direction = SunDirection(timeOfDay);
        return Draw(sky, direction, target);
    }

    // Where object j stands in the sky at a time of day.
    glm::vec3 SkyPosition(size_t j, float timeOfDay) const
    {
        const glm::vec4 p = MakeRotationMatrix({0, 0, timeOfDay}) * glm::vec4(sky.objects[j].position, 1.0f);
        return glm::vec3(p);
    }

    // The brightest star whose height at `timeOfDay` lies in [low, high],
    // well away from the sun and the moon.
    size_t BrightestStarBetween(float timeOfDay, float low, float high) const
    {
        const glm::vec3 sun = SkyPosition(0, timeOfDay);
        size_t best = 0;
        for (size_t j = 2; j < sky.objects.size(); ++j)
        {
            const glm::vec3 star = SkyPosition(j, timeOfDay);
            const bool clear = std::abs(glm::dot(star, sun)) < 0.9f;
            if (clear && star.y >= low && star.y <= high &&
                (best == 0 || sky.objects[j].color.a > sky.objects[best].color.a))
                best = j;
        }
        return best;
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    CSkyboxDynamic sky;
    DirectionalLight savedLight;
};

TEST_F(DynamicSkyTest, PlacesTheSunTheMoonAndOneHundredStars)
{
    EXPECT_EQ(sky.objects[0].color, glm::vec4(15, 15, 15, 1));
    EXPECT_EQ(sky.objects[1].color, glm::vec4(1, 1, 1, 1));
    EXPECT_EQ(sky.objects[0].position, glm::vec3(0, 1, 0));
    EXPECT_EQ(sky.objects[1].position, glm::vec3(0, -1, 0));
    EXPECT_EQ(sky.objects[0].mesh, &sky.meshes[0]);
    EXPECT_EQ(sky.objects[1].mesh, &sky.meshes[1]);
    for (size_t j = 2; j < sky.objects.size(); ++j)
    {
        const SceneObject& star = sky.objects[j];
        EXPECT_EQ(star.mesh, &sky.meshes[2]);
        EXPECT_NEAR(glm::length(star.position), 1.0f, 1e-5f);
        EXPECT_GE(star.scale.x, 0.18f);
        EXPECT_LE(star.scale.x, 0.25f);
        EXPECT_GE(star.color.a, 0.1f);
        EXPECT_LE(star.color.a, 1.0f);
    }
}

TEST_F(DynamicSkyTest, DayIsBlueOverheadAndPaleAtTheHorizonNightIsDark)
{
    const glm::vec4 zenith = Centre(DrawAt(30.0f, {0, 1, 0}));
    EXPECT_GT(zenith.b, zenith.r);
    EXPECT_GT(zenith.b, zenith.g);
    EXPECT_GT(zenith.b, 0.1f);
    const glm::vec4 horizon = Centre(DrawAt(30.0f, {0, 0.05f, 1}));
    EXPECT_GT(horizon.r / horizon.b, 1.5f * zenith.r / zenith.b);

    EXPECT_LT(MedianLuminance(DrawAt(180.0f, {0, 1, 0})), 0.02f);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(DynamicSkyTest, SunShinesWhereTheLightComesFromAndTheMoonOpposite)
{
    SetFieldOfView(20.0f);
    const glm::vec3 toSun = -SunDirection(60.0f);
    EXPECT_GT(Luminance(Centre(DrawAt(60.0f, toSun))), 2.0f);
    EXPECT_GT(Luminance(Centre(DrawAt(60.0f, toSun, 1))), 1.0f); // it feeds the bloom

    // At sunset the horizon glows warm, most of all on the sun's side.
    const glm::vec4 sunSide = Centre(DrawAt(85.0f, glm::normalize(glm::vec3(-1.0f, 0.05f, 0.25f))));
    const glm::vec4 farSide = Centre(DrawAt(85.0f, glm::normalize(glm::vec3(1.0f, 0.05f, 0.25f))));
    EXPECT_GT(Luminance(sunSide), 1.2f * Luminance(farSide));
    EXPECT_GT(sunSide.r, 2.0f * sunSide.b);

    const glm::vec3 toMoon = SunDirection(240.0f);
    const std::vector<glm::vec4> moon = DrawAt(240.0f, toMoon);
    EXPECT_GT(Luminance(Centre(moon)), 0.1f);
    EXPECT_LT(Luminance(Centre(moon)), 1.0f);
    const glm::vec4 nightSky = Centre(DrawAt(240.0f, glm::normalize(toMoon + glm::vec3(0, 0, 0.8f))));
    EXPECT_GT(Luminance(Centre(moon)), 5.0f * Luminance(nightSky));
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(DynamicSkyTest, StarsShowOnlyAtNightAndWellAboveTheHorizon)
{
    SetFieldOfView(10.0f);
    const size_t high = BrightestStarBetween(180.0f, 0.5f, 0.9f);
    ASSERT_NE(high, 0u);
    const glm::vec3 direction = SkyPosition(high, 180.0f);
    const std::vector<glm::vec4> night = DrawAt(180.0f, direction);
    EXPECT_GT(Luminance(Centre(night)), 3.0f * MedianLuminance(night) + 0.01f);

    // By day no star shows, however high.
    const size_t day = BrightestStarBetween(60.0f, 0.5f, 0.9f);
    ASSERT_NE(day, 0u);
    const std::vector<glm::vec4> dayView = DrawAt(60.0f, SkyPosition(day, 60.0f));
    EXPECT_LT(Luminance(Centre(dayView)), 1.2f * MedianLuminance(dayView));

    // At night a star just above the horizon has not faded in yet.
    const size_t low = BrightestStarBetween(180.0f, 0.02f, 0.15f);
    ASSERT_NE(low, 0u);
    const std::vector<glm::vec4> lowNight = DrawAt(180.0f, SkyPosition(low, 180.0f));
    EXPECT_LT(Luminance(Centre(lowNight)), 1.2f * MedianLuminance(lowNight) + 0.002f);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(DynamicSkyTest, SetsTheSunlightColourAndTheDebugMapsEveryFrame)
{
    for (float timeOfDay : {36.5f, 100.0f, 265.0f, -10.7f})
    {
        DrawAt(timeOfDay, {0, 1, 0});
        const glm::vec3 expected = SunColorAt(timeOfDay);
        for (int c = 0; c < 3; ++c)
            EXPECT_FLOAT_EQ(settings.dirLight.Base.Color[c], expected[c]) << timeOfDay;
    }
    EXPECT_EQ(settings.renderTextures.at("SkyboxHorizonMap"), int32_t(sky.horizonMap.texture));
    EXPECT_EQ(settings.renderTextures.at("SkyboxSunMap"), int32_t(sky.sunMap.texture));
    sky.Release();
    EXPECT_EQ(settings.renderTextures.count("SkyboxHorizonMap"), 0u);
    EXPECT_EQ(sky.horizonMap.texture, 0u);
}
