#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <glm/glm.hpp>
#include <numeric>
#include <vector>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "effects/CBlurProcessor.h"
#include "effects/CFXAAProcessor.h"
#include "effects/CLensFlareProcessor.h"
#include "effects/CPostProcessor.h"
#include "effects/LensFlareMath.h"

namespace
{
// Square images of RGB texels, bottom row first, as OpenGL stores them.
struct Image
{
    int size = 0;
    std::vector<glm::vec3> texels;

    glm::vec3& At(int x, int y) { return texels[size_t(y * size + x)]; }
    float Sum() const
    {
        return std::accumulate(texels.begin(), texels.end(), 0.0f,
                               [](float s, const glm::vec3& t) { return s + t.r + t.g + t.b; });
    }
};

Image MakeImage(int size, glm::vec3 fill = glm::vec3(0.0f))
{
    return Image{size, std::vector<glm::vec3>(size_t(size * size), fill)};
}

void Upload(GLuint texture, const Image& image)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB16F, image.size, image.size, 0, GL_RGB, GL_FLOAT, image.texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
}

Image ReadTexture(GLuint texture)
{
    GLint size = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size);
    Image image = MakeImage(size);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_FLOAT, image.texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return image;
}

Image ReadWindow(int size)
{
    Image image = MakeImage(size);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadPixels(0, 0, size, size, GL_RGB, GL_FLOAT, image.texels.data());
    return image;
}

void SetWindowSize(int width, int height)
{
    CApplication& app = CApplication::GetInstance();
    app.width = width;
    app.height = height;
    glViewport(0, 0, width, height);
}

const int kBlurSize = 81;

// One bright texel in the middle of an otherwise black source.
class CBlurProcessorGLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetWindowSize(kBlurSize, kBlurSize);
        blur.Init(kBlurSize, kBlurSize, 0);
        glGenTextures(1, &source);
        Image image = MakeImage(kBlurSize);
        image.At(kMid, kMid) = glm::vec3(100.0f);
        Upload(source, image);
        // Mark target A so that an untouched target can be recognised.
        Upload(blur.textures[0], MakeImage(kBlurSize, glm::vec3(0.25f)));
    }
    void TearDown() override
    {
        blur.Destroy();
        glDeleteTextures(1, &source);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }
    GLuint Blur(int32_t passes)
    {
        blur.passCount = passes;
        return blur.Apply(source);
    }

    static const int kMid = kBlurSize / 2;
    CBlurProcessor blur;
    GLuint source = 0;
};
}

TEST_F(CBlurProcessorGLTest, PassCountPicksTheResultTarget)
{
    EXPECT_EQ(Blur(0), blur.textures[0]);
    const Image untouched = ReadTexture(blur.textures[0]);
    EXPECT_NEAR(untouched.Sum(), 0.75f * kBlurSize * kBlurSize, 1e-3f);

    EXPECT_EQ(Blur(1), blur.textures[1]);
    Image once = ReadTexture(blur.textures[1]);
    EXPECT_GT(once.At(kMid + 1, kMid).r, 1.0f);
    EXPECT_EQ(once.At(kMid, kMid + 1).r, 0.0f) << "the first pass blurs along x only";
    EXPECT_EQ(once.At(kMid + 2, kMid + 2).r, 0.0f);

    EXPECT_EQ(Blur(10), blur.textures[0]);
}

TEST_F(CBlurProcessorGLTest, KeepsEnergyAndSpreadsSymmetricallyAndSmoothlyToThirtyTexels)
{
    // Bloom's ten passes: the steps double to 16 texels, so the glow reaches 31.
    Image result = ReadTexture(Blur(10));
    EXPECT_NEAR(result.Sum(), 300.0f, 300.0f * 0.02f);
    for (int d = 1; d <= 31; ++d)
    {
        const float right = result.At(kMid + d, kMid).r;
        EXPECT_GT(right, 0.0f) << d;
        EXPECT_NEAR(result.At(kMid - d, kMid).r, right, 0.01f * right) << d;
        EXPECT_NEAR(result.At(kMid, kMid + d).r, right, 0.01f * right) << d;
        EXPECT_NEAR(result.At(kMid, kMid - d).r, right, 0.01f * right) << d;
        EXPECT_LT(right, result.At(kMid + d - 1, kMid).r) << "falls off with distance, without rings, at " << d;
    }
    EXPECT_EQ(result.At(kMid + 33, kMid).r, 0.0f) << "and no further";
}

TEST_F(CBlurProcessorGLTest, StepsOfAReducedRenderScaleFallOnWholeTexelsAndNeverOnNone)
{
    // At a quarter scale the steps are 0.25, 0.25, 0.5, 0.5, 1, 1: each pass
    // still spreads the light by at least a texel, and never between texels.
    blur.stepScale = 0.25f;
    Image result = ReadTexture(Blur(6));
    EXPECT_NEAR(result.Sum(), 300.0f, 300.0f * 1e-3f);
    for (int d = 1; d <= 3; ++d)
    {
        EXPECT_GT(result.At(kMid + d, kMid).r, 0.0f) << d;
        EXPECT_EQ(result.At(kMid - d, kMid).r, result.At(kMid + d, kMid).r) << d;
        EXPECT_EQ(result.At(kMid, kMid + d).r, result.At(kMid + d, kMid).r) << d;
    }
    // Three passes each way, one texel apart: the 1 2 1 kernel cubed, 1 6 15 20 15 6 1 over 64.
    EXPECT_NEAR(result.At(kMid, kMid).r, 100.0f * (20.0f / 64.0f) * (20.0f / 64.0f), 1e-3f);
    EXPECT_EQ(result.At(kMid + 4, kMid).r, 0.0f);
}

TEST(CFXAAProcessorGLTest, SoftensAHardDiagonalAndLeavesFlatFieldsAlone)
{
    const int size = 32;
    SetWindowSize(size, size);
    CFXAAProcessor fxaa;
    fxaa.Init(size, size);

    Upload(fxaa.texture, MakeImage(size, glm::vec3(0.3f, 0.5f, 0.7f)));
    fxaa.Apply();
    for (const glm::vec3& texel : ReadWindow(size).texels)
        ASSERT_LT(glm::length(texel - glm::vec3(0.3f, 0.5f, 0.7f)), 0.01f);

    Image edge = MakeImage(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            edge.At(x, y) = glm::vec3(x * 2 > y ? 1.0f : 0.0f); // a shallow staircase
    Upload(fxaa.texture, edge);
    fxaa.Apply();
    Image result = ReadWindow(size);
    int intermediate = 0, changedAwayFromEdge = 0;
    for (int y = 2; y < size - 2; ++y)
        for (int x = 2; x < size - 2; ++x)
        {
            const float value = result.At(x, y).g;
            const bool nearEdge = std::abs(x * 2 - y) <= 4;
            intermediate += nearEdge && value > 0.05f && value < 0.95f;
            changedAwayFromEdge += !nearEdge && std::abs(value - edge.At(x, y).g) > 0.01f;
        }
    EXPECT_GT(intermediate, 10);
    EXPECT_EQ(changedAwayFromEdge, 0);
    fxaa.Destroy();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

// A bright texel anywhere within one 8 x 8 block of a 64 x 64 window gives the
// lens flare's downscaled texel of that block the same light: the downscale
// reads the whole block, so a small source does not flicker as it moves.
TEST(CLensFlareProcessorGLTest, DownscaleCountsASmallSourceWhereverItLiesInItsBlock)
{
    SetWindowSize(64, 64);
    CRenderSettings& settings = CRenderSettings::GetInstance();
    const float savedScale = settings.lensFlareScale, savedBias = settings.lensFlareBias;
    settings.lensFlareScale = 1.0f;
    settings.lensFlareBias = -0.5f;
    CLensFlareProcessor flare;
    flare.Init(64, 64);
    GLuint source = 0;
    glGenTextures(1, &source);
    std::vector<float> seen;
    for (int y = 24; y < 32; ++y)
        for (int x = 24; x < 32; ++x)
        {
            Image image = MakeImage(64);
            image.At(x, y) = glm::vec3(8.0f);
            Upload(source, image);
            flare.Apply(source);
            const Image small = ReadTexture(flare.textures[CLensFlareProcessor::Downscale]);
            seen.push_back(small.texels[size_t(3 * small.size + 3)].g);
            EXPECT_FLOAT_EQ(small.Sum(), 3.0f * seen.back()) << "one block lit, at " << x << "," << y;
        }
    const auto [least, most] = std::minmax_element(seen.begin(), seen.end());
    EXPECT_GT(*least, 0.0f);
    EXPECT_NEAR(*most, *least, *least * 0.01f);
    glDeleteTextures(1, &source);
    flare.Destroy();
    settings.lensFlareScale = savedScale;
    settings.lensFlareBias = savedBias;
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

namespace
{
// The whole chain at a small window size, with the scene colour target filled by the test.
class CPostProcessorGLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = Switches{settings.bloom, settings.fxaa, settings.dof, settings.vignette, settings.showDofArea,
                         settings.toneMapping};
        settings.renderScale = 1.0f;
        SetWindowSize(kWidth, kHeight);
        post.Init();
    }
    void TearDown() override
    {
        post.Destroy();
        settings.bloom = saved.bloom;
        settings.fxaa = saved.fxaa;
        settings.dof = saved.dof;
        settings.vignette = saved.vignette;
        settings.showDofArea = saved.showDofArea;
        settings.toneMapping = saved.toneMapping;
        settings.renderScale = 1.0f;
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }
    void SetAll(bool on)
    {
        settings.bloom = settings.fxaa = settings.dof = settings.vignette = settings.showDofArea = on;
    }
    // A frame whose scene pass leaves `colour` in the colour target.
    void Frame(glm::vec3 colour)
    {
        post.BeginScenePass();
        glClearBufferfv(GL_COLOR, 0, &colour.x);
        post.Apply();
    }

    struct Switches
    {
        bool bloom, fxaa, dof, vignette, showDofArea;
        int32_t toneMapping;
    };
    static const int kWidth = 100, kHeight = 60;
    CRenderSettings& settings = CRenderSettings::GetInstance();
    Switches saved{};
    CPostProcessor post;
};
}

TEST_F(CPostProcessorGLTest, FxaaSwitchChoosesWhereTheCompositeGoes)
{
    SetAll(false);
    const glm::vec3 marker(0.0f, 5.0f, 0.0f);
    Upload(post.fxaa.texture, MakeImage(kWidth, marker)); // square, but only the marker matters
    Frame(glm::vec3(0.5f));
    EXPECT_EQ(ReadTexture(post.fxaa.texture).At(3, 3), marker) << "FXAA target written with fxaa off";
    const glm::vec3 shown = ReadWindow(kHeight).At(30, 30);
    EXPECT_GT(shown.r, 0.3f);
    EXPECT_NEAR(shown.r, shown.g, 0.01f);

    settings.fxaa = true;
    Frame(glm::vec3(0.5f));
    const glm::vec3 composite = ReadTexture(post.fxaa.texture).At(30, 30);
    EXPECT_NEAR(composite.r, shown.r, 0.01f);
    EXPECT_NEAR(composite.g, composite.r, 0.01f);
}

TEST_F(CPostProcessorGLTest, RegistryKeepsOneBloomEntryAndDebugUnitIsSeventeen)
{
    SetAll(true);
    settings.selectedRenderTexture = -1;
    for (int i = 0; i < 3; ++i)
        Frame(glm::vec3(3.0f));
    const auto& textures = settings.renderTextures;
    EXPECT_EQ(textures.count("Bloom"), 1u);
    EXPECT_EQ(textures.at("Bloom"), int32_t(post.bloomBlur.textures[0]));
    EXPECT_EQ(textures.at("Depth texture"), int32_t(post.sceneTextures[CPostProcessor::SceneDepth]));
    EXPECT_EQ(textures.at("LensFlare"), int32_t(post.lensFlare.textures[CLensFlareProcessor::Details]));
    GLint debugUnit = 0;
    glGetUniformiv(post.program.programId, post.program.GetUniformLocation("gDebugTexture"), &debugUnit);
    EXPECT_EQ(debugUnit, 17);
    // The scene cleared bright part is black, so bloom has nothing to spread.
    EXPECT_EQ(ReadTexture(post.bloomBlur.textures[0]).Sum(), 0.0f);
}

TEST_F(CPostProcessorGLTest, FramesWithEverySwitchOnAndOffLeaveNoGlError)
{
    for (bool on : {true, false})
    {
        SetAll(on);
        Frame(glm::vec3(2.0f));
        glFinish();
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR)) << (on ? "all on" : "all off");
    }
}

TEST_F(CPostProcessorGLTest, ToneCurvesAreDistinctAndMonotonic)
{
    SetAll(false);
    settings.fxaa = true; // the composite is then kept in a float target
    // A ramp of HDR values along x; the bright part stays black.
    std::vector<glm::vec3> ramp(size_t(kWidth * kHeight));
    for (int x = 0; x < kWidth; ++x)
        for (int y = 0; y < kHeight; ++y)
            ramp[size_t(y * kWidth + x)] = glm::vec3(float(x) * 0.08f);
    std::vector<std::vector<float>> curves;
    for (int32_t curve = 0; curve < 4; ++curve)
    {
        settings.toneMapping = curve;
        post.BeginScenePass();
        glBindTexture(GL_TEXTURE_2D, post.sceneTextures[CPostProcessor::SceneColour]);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kWidth, kHeight, GL_RGB, GL_FLOAT, ramp.data());
        post.Apply();
        std::vector<glm::vec3> out(size_t(kWidth * kHeight));
        glBindTexture(GL_TEXTURE_2D, post.fxaa.texture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_FLOAT, out.data());
        std::vector<float> row;
        for (int x = 0; x < kWidth; ++x)
            row.push_back(out[size_t(30 * kWidth + x)].g);
        for (int x = 1; x < kWidth; ++x)
            ASSERT_GE(row[size_t(x)], row[size_t(x - 1)] - 1e-3f) << "curve " << curve << " at " << x;
        EXPECT_GT(row.back(), row.front() + 0.5f) << curve;
        EXPECT_LE(row.back(), 1.0f + 1e-3f) << curve;
        curves.push_back(row);
    }
    for (size_t a = 0; a < curves.size(); ++a)
        for (size_t b = a + 1; b < curves.size(); ++b)
        {
            float largest = 0.0f;
            for (int x = 0; x < kWidth; ++x)
                largest = std::max(largest, std::abs(curves[a][size_t(x)] - curves[b][size_t(x)]));
            EXPECT_GT(largest, 0.03f) << "curves " << a << " and " << b;
        }
}

namespace
{
glm::vec3 WindowPixel(int x, int y)
{
    glm::vec3 pixel(0.0f);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_FLOAT, &pixel.x);
    return pixel;
}
}

// At half the render scale every target is half the window and the picture
// still fills the window, with or without FXAA; back at 1 the targets are the
// window's again and the half-size ones are gone.
TEST_F(CPostProcessorGLTest, RenderScaleSizesTheTargetsAndTheLastPassFillsTheWindow)
{
    SetAll(false);
    Frame(glm::vec3(0.5f));
    const glm::vec3 full = WindowPixel(kWidth - 1, kHeight - 1);
    ASSERT_GT(full.r, 0.3f);
    const std::vector<GLuint> fullSizeTargets = {post.sceneTextures[CPostProcessor::SceneColour],
                                                 post.sceneTextures[CPostProcessor::SceneDepth],
                                                 post.fxaa.texture,
                                                 post.bloomBlur.textures[0],
                                                 post.bloomBlur.textures[1],
                                                 post.lensFlare.textures[CLensFlareProcessor::Downscale],
                                                 post.lensFlare.textures[CLensFlareProcessor::Details],
                                                 post.lensFlare.blur.textures[1]};
    // A change of scale makes textures only: the programs are kept, not compiled again.
    const std::vector<GLuint> programs = {post.program.programId, post.fxaa.program.programId,
                                          post.bloomBlur.program.programId, post.lensFlare.detailsProgram.programId,
                                          post.lensFlare.blur.program.programId};

    settings.renderScale = 0.5f;
    for (bool fxaa : {false, true})
    {
        settings.fxaa = fxaa;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        Frame(glm::vec3(0.5f));
        EXPECT_EQ(TextureSize(post.sceneTextures[CPostProcessor::SceneColour]), glm::ivec2(kWidth / 2, kHeight / 2));
        EXPECT_EQ(TextureSize(post.fxaa.texture), glm::ivec2(kWidth / 2, kHeight / 2));
        EXPECT_EQ(TextureSize(post.bloomBlur.textures[0]), glm::ivec2(kWidth / 2, kHeight / 2));
        EXPECT_EQ(TextureSize(post.lensFlare.textures[CLensFlareProcessor::Details]), glm::ivec2(kWidth / 2, kHeight / 2));
        EXPECT_FLOAT_EQ(post.bloomBlur.stepScale, 0.5f);
        // Both corners of the window are written: the picture fills it.
        EXPECT_NEAR(WindowPixel(kWidth - 1, kHeight - 1).r, full.r, 0.02f) << "fxaa " << fxaa;
        EXPECT_NEAR(WindowPixel(0, 0).r, full.r, 0.02f) << "fxaa " << fxaa;
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(glm::ivec2(viewport[2], viewport[3]), glm::ivec2(kWidth, kHeight)) << "for the interface";
    }
    for (GLuint texture : fullSizeTargets)
        EXPECT_FALSE(glIsTexture(texture)) << "the full-size targets were freed: " << texture;
    EXPECT_EQ(post.program.programId, programs[0]);
    EXPECT_EQ(post.fxaa.program.programId, programs[1]);
    EXPECT_EQ(post.bloomBlur.program.programId, programs[2]);
    EXPECT_EQ(post.lensFlare.detailsProgram.programId, programs[3]);
    EXPECT_EQ(post.lensFlare.blur.program.programId, programs[4]);
    EXPECT_EQ(TextureSize(post.lensFlare.blur.textures[1]), LensFlareSmallSize(kWidth / 2, kHeight / 2));
    const GLuint halfSizeColour = post.sceneTextures[CPostProcessor::SceneColour];

    settings.renderScale = 1.0f;
    Frame(glm::vec3(0.5f));
    EXPECT_EQ(TextureSize(post.sceneTextures[CPostProcessor::SceneColour]), glm::ivec2(kWidth, kHeight));
    EXPECT_FALSE(glIsTexture(halfSizeColour));
    EXPECT_EQ(settings.renderTextures.at("Depth texture"), int32_t(post.sceneTextures[CPostProcessor::SceneDepth]));
}
