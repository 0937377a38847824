#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "camera/CShowcaseCamera.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "core/SceneObject.h"
#include "scene/CascadeFit.h"
#include "shaders/CShaderProgramBasic.h"
#include "shaders/CShaderProgramBasicTextured.h"
#include "shaders/CShaderProgramLightShadows.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"

namespace
{
using ProgramFactory = std::function<std::unique_ptr<CShaderProgram>()>;

template <typename Program> ProgramFactory Make()
{
    return [] { return std::make_unique<Program>(); };
}

struct SceneProgram
{
    const char* name;
    ProgramFactory make;
    size_t registeredNames;
};

const SceneProgram sceneCatalogue[] = {
    {"basic", Make<CShaderProgramBasic>(), 2},
    {"BasicTextured", Make<CShaderProgramBasicTextured>(), 3},
    {"lightShadows", Make<CShaderProgramLightShadows>(), 58},
    {"shadowMap", Make<CShaderProgramShadowMap>(), 2},
    {"shadowMapPointLight", Make<CShaderProgramPointLightShadowMap>(), 3},
};

// The scene programs read their shader files relative to the runnable layout.
class ProgramCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(chdir(KESTRUNE_BIN_DIR), 0); }
};

TEST_F(ProgramCatalogueTest, SceneProgramsLinkWithEveryUniformActive)
{
    for (const SceneProgram& entry : sceneCatalogue)
    {
        SCOPED_TRACE(entry.name);
        std::unique_ptr<CShaderProgram> program = entry.make();
        for (int round = 0; round < 2; ++round)
        {
            testing::internal::CaptureStdout();
            program->Create();
            const std::string output = testing::internal::GetCapturedStdout();
            EXPECT_TRUE(program->linked) << output;
            EXPECT_EQ(output.find("Unable to get the location"), std::string::npos) << output;
            EXPECT_EQ(program->uniformLocations.size(), entry.registeredNames);
            for (const auto& [name, location] : program->uniformLocations)
                EXPECT_NE(location, -1) << name;
            EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
            program->Destroy();
            program->Destroy();
            EXPECT_FALSE(program->linked);
            EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
        }
    }
}

// An 8 x 8 target with the scene framebuffer's three float colour outputs and a depth buffer.
class SceneTarget
{
public:
    SceneTarget()
    {
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glGenTextures(3, colours.data());
        for (GLuint i = 0; i < 3; ++i)
        {
            glBindTexture(GL_TEXTURE_2D, colours[i]);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, kSize, kSize, 0, GL_RGBA, GL_FLOAT, nullptr);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, colours[i], 0);
        }
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, kSize, kSize);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        const GLenum buffers[3] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2};
        glDrawBuffers(3, buffers);
        complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    ~SceneTarget()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteTextures(3, colours.data());
        glDeleteRenderbuffers(1, &depth);
    }

    void Clear() const
    {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(0, 0, kSize, kSize);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // The centre texel of output `index`.
    glm::vec4 Centre(int index) const
    {
        glm::vec4 texel(0.0f);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glReadBuffer(GL_COLOR_ATTACHMENT0 + GLenum(index));
        glReadPixels(kSize / 2, kSize / 2, 1, 1, GL_RGBA, GL_FLOAT, &texel[0]);
        return texel;
    }

    static constexpr int kSize = 8;
    GLuint framebuffer = 0, depth = 0;
    std::array<GLuint, 3> colours = {};
    bool complete = false;
};

// A 4 x 4 square in the y = 0 plane, wound counter-clockwise seen from above,
// with one normal for all its vertices.
class FlatSquare
{
public:
    explicit FlatSquare(const glm::vec3& normal)
    {
        const float positions[] = {-2, 0, 2, 2, 0, 2, 2, 0, -2, -2, 0, 2, 2, 0, -2, -2, 0, -2};
        const float texCoords[] = {0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
        float normals[18];
        for (int v = 0; v < 6; ++v)
            for (int c = 0; c < 3; ++c)
                normals[v * 3 + c] = normal[c];
        glGenVertexArrays(1, &vao);
        glBindVertexArray(vao);
        glGenBuffers(3, buffers.data());
        Stream(0, buffers[0], positions, sizeof(positions), 3);
        Stream(1, buffers[1], texCoords, sizeof(texCoords), 2);
        Stream(2, buffers[2], normals, sizeof(normals), 3);
        glBindVertexArray(0);
    }
    ~FlatSquare()
    {
        glDeleteVertexArrays(1, &vao);
        glDeleteBuffers(3, buffers.data());
    }

    void Draw() const
    {
        glBindVertexArray(vao);
        glDrawArrays(GL_TRIANGLES, 0, 6);
        glBindVertexArray(0);
    }

private:
    static void Stream(GLuint attribute, GLuint buffer, const float* data, GLsizeiptr size, GLint components)
    {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, size, data, GL_STATIC_DRAW);
        glEnableVertexAttribArray(attribute);
        glVertexAttribPointer(attribute, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    }

    GLuint vao = 0;
    std::array<GLuint, 3> buffers = {};
};

// The textures the lit program samples: a white diffuse map, four cascade
// depth maps and one distance cube, each filled with a chosen value.
class ShadowInputs
{
public:
    ShadowInputs()
    {
        glGenTextures(1, &white);
        glBindTexture(GL_TEXTURE_2D, white);
        const unsigned char texel[4] = {255, 255, 255, 255};
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);

        glGenTextures(4, cascades.data());
        for (GLuint cascade : cascades)
        {
            glBindTexture(GL_TEXTURE_2D, cascade);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT32, 4, 4, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
        }
        glGenTextures(1, &cube);
        glBindTexture(GL_TEXTURE_CUBE_MAP, cube);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        for (GLenum face = 0; face < 6; ++face)
            glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, 0, GL_R32F, 4, 4, 0, GL_RED, GL_FLOAT, nullptr);
        glGenFramebuffers(1, &filler);
        Fill(1.0f, 3.4028235e38f);
    }
    ~ShadowInputs()
    {
        glDeleteTextures(1, &white);
        glDeleteTextures(4, cascades.data());
        glDeleteTextures(1, &cube);
        glDeleteFramebuffers(1, &filler);
    }

    // Every cascade texel holds `cascadeDepth`, every cube texel `cubeDistance`.
    void Fill(float cascadeDepth, float cubeDistance) const
    {
        glBindFramebuffer(GL_FRAMEBUFFER, filler);
        glViewport(0, 0, 4, 4);
        glDrawBuffer(GL_NONE);
        glClearDepth(cascadeDepth);
        for (GLuint cascade : cascades)
        {
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, cascade, 0);
            glClear(GL_DEPTH_BUFFER_BIT);
        }
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, 0, 0);
        glDrawBuffer(GL_COLOR_ATTACHMENT0);
        glClearColor(cubeDistance, cubeDistance, cubeDistance, cubeDistance);
        for (GLenum face = 0; face < 6; ++face)
        {
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, cube, 0);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
        glClearDepth(1.0);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }

    void Bind() const
    {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, white);
        for (GLuint i = 0; i < 4; ++i)
        {
            glActiveTexture(GL_TEXTURE3 + i);
            glBindTexture(GL_TEXTURE_2D, cascades[i]);
        }
        glActiveTexture(GL_TEXTURE7);
        glBindTexture(GL_TEXTURE_CUBE_MAP, cube);
        glActiveTexture(GL_TEXTURE0);
    }

    GLuint white = 0, cube = 0, filler = 0;
    std::array<GLuint, 4> cascades = {};
};

// The scene's programs drawn into the three outputs with a camera 7 units
// from the square, the sun high in the sky and every cascade fitted.
class SceneDrawTest : public ProgramCatalogueTest
{
protected:
    void SetUp() override
    {
        ProgramCatalogueTest::SetUp();
        CApplication& app = CApplication::GetInstance();
        auto* camera = new CShowcaseCamera();
        camera->position = glm::vec3(0.0f, 5.0f, 5.0f);
        camera->target = glm::vec3(0.0f);
        app.SetCamera(camera);
        app.width = app.height = SceneTarget::kSize;
        app.projection = MakePerspective(settings.fieldOfView, 1.0f, settings.nearPlane, settings.farPlane);

        savedDirLight = settings.dirLight;
        savedPointLights = settings.pointLights;
        settings.dirLight.Base = {glm::vec3(1.0f), 0.1f, 0.8f};
        settings.dirLight.Direction = glm::normalize(glm::vec3(0.3f, -1.0f, 0.2f));
        settings.pointLights.clear();
        for (size_t i = 0; i < 4; ++i)
            settings.cascadeOrthoBounds[i] =
                FitCascade(camera->GetViewMatrix(), settings.dirLight.Direction, 1.0f, settings.fieldOfView,
                           settings.cascadeSplits[i], settings.cascadeSplits[i + 1]);

        testing::internal::CaptureStdout();
        lit.Create();
        basic.Create();
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(target.complete);
        glEnable(GL_DEPTH_TEST);
    }

    void TearDown() override
    {
        lit.Destroy();
        basic.Destroy();
        glDisable(GL_DEPTH_TEST);
        glUseProgram(0);
        settings.dirLight = savedDirLight;
        settings.pointLights = savedPointLights;
        CApplication::GetInstance().SetCamera(nullptr);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }

    // Draws the square (normal up or down) with the lit program; returns the three outputs at the centre.
    std::array<glm::vec4, 3> DrawLit(const glm::vec3& normal)
    {
        FlatSquare square(normal);
        target.Clear();
        inputs.Bind();
        lit.Use();
        lit.SetupEntity(SceneObject());
        lit.SetupMaterial(nullptr);
        square.Draw();
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
        return {target.Centre(0), target.Centre(1), target.Centre(2)};
    }

    static float Sum(const glm::vec4& colour) { return colour.r + colour.g + colour.b; }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    DirectionalLight savedDirLight;
    std::vector<PointLight> savedPointLights;
    CShaderProgramLightShadows lit;
    CShaderProgramBasic basic;
    SceneTarget target;
    ShadowInputs inputs;
};

TEST_F(SceneDrawTest, SunLightsTheSideFacingItAndDepthIsScaledViewDistance)
{
    const std::array<glm::vec4, 3> facing = DrawLit(glm::vec3(0.0f, 1.0f, 0.0f));
    const std::array<glm::vec4, 3> away = DrawLit(glm::vec3(0.0f, -1.0f, 0.0f));

    EXPECT_GT(Sum(facing[0]), 2.0f);                // ambient 0.1 + diffuse 0.8 x cos, per channel
    EXPECT_NEAR(Sum(away[0]), 0.3f, 0.05f);         // the ambient term alone
    EXPECT_EQ(Sum(facing[1]), 0.0f);                // nothing bright enough to bloom
    // Texel (4, 4) looks through NDC (0.125, 0.125); that ray meets the square
    // 7.90 units along the view axis (the square's centre is 7.07 away).
    EXPECT_NEAR(facing[2].r, 7.90f / 725.0f, 1e-4f);
    EXPECT_FLOAT_EQ(facing[2].g, facing[2].r);
}

TEST_F(SceneDrawTest, CascadeDepthCloserThanTheSurfaceShadowsTheSun)
{
    inputs.Fill(0.0f, 3.4028235e38f);
    const glm::vec4 shadowed = DrawLit(glm::vec3(0.0f, 1.0f, 0.0f))[0];
    EXPECT_NEAR(Sum(shadowed), 0.3f, 0.05f);
}

TEST_F(SceneDrawTest, CascadeDebugViewTintsTheNearestCascadeRed)
{
    settings.showCsmCascades = true;
    const glm::vec4 tinted = DrawLit(glm::vec3(0.0f, 1.0f, 0.0f))[0];
    settings.showCsmCascades = false;
    EXPECT_GT(tinted.r, 2.0f * tinted.g);
}

TEST_F(SceneDrawTest, PointLightAddsLightUnlessItsCubeHoldsACloserCaster)
{
    settings.dirLight.Base.DiffuseIntensity = 0.0f;
    const float unlit = Sum(DrawLit(glm::vec3(0.0f, 1.0f, 0.0f))[0]);

    PointLight light;
    light.Base = {glm::vec3(1.0f, 0.5f, 0.2f), 0.0f, 3.0f};
    light.Position = glm::vec3(0.0f, 1.0f, 0.0f);
    light.Atten = {1.0f, 0.09f, 0.032f};
    light.ShadowMapEnabled = true;
    light.ShadowMap = 0;
    settings.pointLights = {light};
    const float lit = Sum(DrawLit(glm::vec3(0.0f, 1.0f, 0.0f))[0]);
    EXPECT_GT(lit, unlit + 1.0f);

    inputs.Fill(1.0f, 0.2f); // a caster 0.2 units from the light in every direction
    const float shadowed = Sum(DrawLit(glm::vec3(0.0f, 1.0f, 0.0f))[0]);
    EXPECT_NEAR(shadowed, unlit, 0.05f);
}

TEST_F(SceneDrawTest, LightMarkerWritesItsHdrColourToSceneAndBrightOutputs)
{
    FlatSquare square(glm::vec3(0.0f, 1.0f, 0.0f));
    SceneObject marker;
    marker.color = glm::vec4(8.86f, 3.45f, 1.33f, 1.0f);
    target.Clear();
    basic.Use();
    basic.SetupEntity(marker);
    square.Draw();

    const glm::vec4 scene = target.Centre(0), bright = target.Centre(1), depth = target.Centre(2);
    EXPECT_FLOAT_EQ(scene.r, 8.86f);
    EXPECT_FLOAT_EQ(bright.b, 1.33f);
    EXPECT_GT(depth.r, 0.0f);
    EXPECT_LT(depth.r, 0.02f);
}
}
