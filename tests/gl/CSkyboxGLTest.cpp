#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "GlTestContext.h"
#include "SceneTarget.h"
#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CSkyboxCubemap.h"
#include "scene/CSkyboxDynamic.h"
#include "scene/SceneAnimation.h"
#include "scene/SkyMath.h"
#include "tests/TestFiles.h"

namespace
{
float Luminance(const glm::vec4& c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; }

const int kSize = 32;

glm::vec4 Centre(const std::vector<glm::vec4>& pixels) { return pixels[(kSize / 2) * kSize + kSize / 2]; }

float MedianLuminance(const std::vector<glm::vec4>& pixels)
{
    std::vector<float> values;
    for (const glm::vec4& p : pixels)
        values.push_back(Luminance(p));
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// A sky drawn through the application's camera and projection into the scene pass's outputs.
class CSkyboxGLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CApplication::GetInstance().SetCamera(camera = new CTestCamera());
        SetFieldOfView(90.0f);
        ASSERT_TRUE(target.complete);
        glEnable(GL_DEPTH_TEST);
    }

    void TearDown() override
    {
        CApplication::GetInstance().SetCamera(nullptr);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDisable(GL_DEPTH_TEST);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }

    static void SetFieldOfView(float degrees)
    {
        CApplication::GetInstance().projection = MakePerspective(degrees, 1.0f, 0.5f, 1500.0f);
    }

    // Clears the outputs as a scene pass does, draws the sky and reads one output back.
    std::vector<glm::vec4> Draw(CSkybox& sky, const glm::vec3& direction, int output = 0)
    {
        camera->direction = direction;
        target.Clear();
        sky.Render();
        return target.Read(output);
    }

    CTestCamera* camera = nullptr;
    SceneTarget target{kSize};
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

void ExpectColour(const glm::vec4& pixel, const glm::vec3& colour, const char* what)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(pixel[c], colour[c], 0.05f) << what << " channel " << c;
}
}

TEST_F(CSkyboxGLTest, CubeSkyShowsEachNamedFaceInItsDirectionWhereverTheCameraIs)
{
    TempDir dir("skybox-faces");
    for (const FaceCase& face : kFaces)
        ASSERT_TRUE(WriteSolidImage(dir.Path(std::string(face.name) + ".png"), face.colour));

    CSkyboxCubemap sky;
    ASSERT_TRUE(sky.Init(dir.Path("%s.png")));
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

    // A second Init starts over cleanly; Release twice is harmless.
    ASSERT_TRUE(sky.Init(dir.Path("%s.png")));
    ExpectColour(Centre(Draw(sky, {1, 0, 0})), kFaces[0].colour, "right after a second Init");
    sky.Release();
    sky.Release();
    EXPECT_EQ(sky.cubemap.texture, 0u);
}

TEST_F(CSkyboxGLTest, CubeSkyWithAMissingFaceFailsAndDrawsBlack)
{
    TempDir dir("skybox-missing");
    for (const FaceCase& face : kFaces)
        ASSERT_TRUE(std::string(face.name) == "top" ||
                    WriteSolidImage(dir.Path(std::string(face.name) + ".png"), face.colour));

    CSkyboxCubemap sky;
    EXPECT_FALSE(sky.Init(dir.Path("%s.png")));
    EXPECT_EQ(sky.cubemap.texture, 0u);
    ExpectColour(Centre(Draw(sky, {1, 0, 0})), glm::vec3(0.0f), "sky without its cube map");
    sky.Release();
}

// The time-of-day sky with the data set's maps and sprites.
class CSkyboxDynamicGLTest : public CSkyboxGLTest
{
protected:
    void SetUp() override
    {
        CSkyboxGLTest::SetUp();
        savedLight = settings.dirLight;
        ASSERT_TRUE(sky.Init("Resources\\skyboxes\\dynamic\\%s.png")) << "the data set is missing";
        ASSERT_EQ(sky.objects.size(), 102u); // sun, moon and a hundred stars
    }

    void TearDown() override
    {
        sky.Release();
        settings.timeOfDay = 36.5f;
        settings.dirLight = savedLight;
        CSkyboxGLTest::TearDown();
    }

    std::vector<glm::vec4> DrawAt(float timeOfDay, const glm::vec3& direction, int output = 0)
    {
        settings.timeOfDay = timeOfDay;
        settings.dirLight.Direction = SunDirection(timeOfDay);
        return Draw(sky, direction, output);
    }

    // Where object j stands in the sky at a time of day.
    glm::vec3 SkyPosition(size_t j, float timeOfDay) const
    {
        return glm::vec3(MakeRotationMatrix({0, 0, timeOfDay}) * glm::vec4(sky.objects[j].position, 1.0f));
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

    // How much brighter than the surrounding sky the centre of a view is.
    float CentreOverMedian(float timeOfDay, size_t star)
    {
        const std::vector<glm::vec4> view = DrawAt(timeOfDay, SkyPosition(star, timeOfDay));
        return Luminance(Centre(view)) - 1.2f * MedianLuminance(view);
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    CSkyboxDynamic sky;
    DirectionalLight savedLight;
};

TEST_F(CSkyboxDynamicGLTest, DayIsBlueOverheadAndPaleAtTheHorizonNightIsDark)
{
    const glm::vec4 zenith = Centre(DrawAt(30.0f, {0, 1, 0}));
    EXPECT_GT(zenith.b, std::max(zenith.r, zenith.g));
    EXPECT_GT(zenith.b, 0.1f);
    const glm::vec4 horizon = Centre(DrawAt(30.0f, {0, 0.05f, 1}));
    EXPECT_GT(horizon.r / horizon.b, 1.5f * zenith.r / zenith.b);

    EXPECT_LT(MedianLuminance(DrawAt(180.0f, {0, 1, 0})), 0.02f);
}

TEST_F(CSkyboxDynamicGLTest, SunShinesWhereTheLightComesFromAndWarmsTheHorizonAtSunset)
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
}

TEST_F(CSkyboxDynamicGLTest, StarsShowOnlyAtNightAndWellAboveTheHorizon)
{
    SetFieldOfView(10.0f);
    const size_t high = BrightestStarBetween(180.0f, 0.5f, 0.9f);
    const size_t day = BrightestStarBetween(60.0f, 0.5f, 0.9f);
    const size_t low = BrightestStarBetween(180.0f, 0.02f, 0.15f);
    ASSERT_TRUE(high != 0 && day != 0 && low != 0);
    const std::vector<glm::vec4> night = DrawAt(180.0f, SkyPosition(high, 180.0f));
    EXPECT_GT(Luminance(Centre(night)), 3.0f * MedianLuminance(night) + 0.01f);
    EXPECT_LT(CentreOverMedian(60.0f, day), 0.0f);     // by day no star shows, however high
    EXPECT_LT(CentreOverMedian(180.0f, low), 0.002f);  // just above the horizon it has not faded in
}

TEST_F(CSkyboxDynamicGLTest, SetsTheSunlightColourAndTheDebugMapsEveryFrame)
{
    for (float timeOfDay : {36.5f, 100.0f, 265.0f, -10.7f})
    {
        DrawAt(timeOfDay, {0, 1, 0});
        EXPECT_EQ(settings.dirLight.Base.Color, SunColorAt(timeOfDay)) << timeOfDay;
    }
    EXPECT_EQ(settings.renderTextures.at("SkyboxHorizonMap"), int32_t(sky.horizonMap.texture));
    EXPECT_EQ(settings.renderTextures.at("SkyboxSunMap"), int32_t(sky.sunMap.texture));
    sky.Release();
    EXPECT_EQ(settings.renderTextures.count("SkyboxHorizonMap"), 0u);
}
