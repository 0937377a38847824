#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "GlTestContext.h"
#include "SceneTarget.h"
#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CCascadeShadowMap.h"
#include "scene/CMesh.h"
#include "scene/CPointShadowMap.h"
#include "scene/SceneObjectDraw.h"
#include "scene/ShadowPasses.h"
#include "shaders/CShaderProgramBasic.h"
#include "shaders/CShaderProgramLightShadows.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"
#include "shaders/CShaderProgramShadowMapOpaque.h"
#include "scene/SceneAnimation.h"
#include "scene/SkyMath.h"
#include "tests/TestFiles.h"

namespace
{
const char* const groundObj = "mtllib white.mtl\nusemtl white\n"
                              "v -40 0 -40\nv 40 0 -40\nv 40 0 40\nv -40 0 40\n"
                              "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 1 0\n"
                              "f 1/1/1 4/4/1 3/3/1 2/2/1\n";

// A 2 x 2 x 2 box standing on its object's position.
const char* const boxObj = "mtllib white.mtl\nusemtl white\n"
                           "v -1 0 -1\nv 1 0 -1\nv 1 2 -1\nv -1 2 -1\nv -1 0 1\nv 1 0 1\nv 1 2 1\nv -1 2 1\n"
                           "vt 0 0\nvn 0 0 -1\nvn 0 0 1\nvn -1 0 0\nvn 1 0 0\nvn 0 1 0\nvn 0 -1 0\n"
                           "f 1/1/1 4/1/1 3/1/1 2/1/1\nf 5/1/2 6/1/2 7/1/2 8/1/2\nf 1/1/3 5/1/3 8/1/3 4/1/3\n"
                           "f 2/1/4 3/1/4 7/1/4 6/1/4\nf 4/1/5 8/1/5 7/1/5 3/1/5\nf 1/1/6 2/1/6 6/1/6 5/1/6\n";

float Brightness(const glm::vec4& colour) { return colour.r + colour.g + colour.b; }

// A white 4 x 4 image with every other texel a hole.
bool WriteCheckeredHoles(const std::string& path)
{
    FIBITMAP* bitmap = FreeImage_Allocate(4, 4, 32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
        {
            BYTE* texel = FreeImage_GetScanLine(bitmap, y) + 4 * x;
            texel[0] = texel[1] = texel[2] = 255;
            texel[3] = (x + y) % 2 == 0 ? 255 : 0;
        }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str()) != 0;
    FreeImage_Unload(bitmap);
    return saved;
}

// A ground plane and a box drawn through the real programs and both shadow
// passes into the scene pass's three outputs. The box may stand where the
// camera does not see it: the shadow passes must still draw it.
class ShadowPassesGLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteSolidImage(dir.Path("white_diffuse.png"), glm::vec3(1.0f)));
        dir.Write("white.mtl", "newmtl white\nmap_Kd white_diffuse.png\n");
        ground.Load(dir.Write("ground.obj", groundObj));
        box.Load(dir.Write("box.obj", boxObj));

        CApplication& app = CApplication::GetInstance();
        app.width = app.height = target.size;
        app.projection = MakePerspective(60.0f, 1.0f, 0.5f, 200.0f);
        app.SetCamera(camera = new CTestCamera());
        camera->eye = glm::vec3(0.0f, 22.0f, -14.0f);
        camera->direction = -camera->eye;

        settings.shadowMapWidth = settings.shadowMapHeight = 512;
        settings.cascadeSplits = {0.5f, 20.0f, 40.0f, 80.0f, 200.0f};
        for (CShaderProgram* program : std::initializer_list<CShaderProgram*>{&lit, &basic, &depth, &opaqueDepth, &distance})
            program->Create();
        cascades.Init(512, 512);
        cube.Init(512, 512);
        ASSERT_TRUE(target.complete);

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
        glUseProgram(0);
        for (CShaderProgram* program : std::initializer_list<CShaderProgram*>{&lit, &basic, &depth, &opaqueDepth, &distance})
            program->Destroy();
        cascades.Destroy();
        cube.Release();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDisable(GL_DEPTH_TEST);
        settings.pointLights.clear();
        settings.showCsmCascades = false;
        settings.shadowMapWidth = settings.shadowMapHeight = 1600;
        settings.cascadeSplits = {0.5f, 70.0f, 120.0f, 210.0f, 1500.0f};
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }

    void SetSun(const glm::vec3& direction, float diffuse)
    {
        settings.dirLight.Direction = glm::normalize(direction);
        settings.dirLight.Base.Color = glm::vec3(1.0f);
        settings.dirLight.Base.AmbientIntensity = 0.1f;
        settings.dirLight.Base.DiffuseIntensity = diffuse;
    }

    // The box with the material NAME, whose diffuse image NAME_diffuse.png the test has written.
    void LoadBoxOf(const std::string& name, CMesh& mesh)
    {
        dir.Write(name + ".mtl", "newmtl " + name + "\nmap_Kd " + name + "_diffuse.png\n");
        std::string obj = boxObj;
        obj.replace(obj.find("white"), 5, name);
        obj.replace(obj.find("white"), 5, name);
        mesh.Load(dir.Write(name + "box.obj", obj));
    }

    // One lamp, casting shadows into the cube map, as the only point light.
    void UseShadowingLamp(const glm::vec3& position)
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
        RenderCascadePass(cascades, {depth, opaqueDepth}, objects);
        RenderPointShadowPass({&cube}, distance, objects);
        target.Clear();
        glEnable(GL_DEPTH_TEST);
        for (int i = 0; i < 4; ++i)
        {
            glActiveTexture(GLenum(GL_TEXTURE0 + kFirstCascadeUnit + i));
            glBindTexture(GL_TEXTURE_2D, cascades.shadowMaps[size_t(i)]);
        }
        glActiveTexture(GLenum(GL_TEXTURE0 + kFirstPointShadowUnit));
        glBindTexture(GL_TEXTURE_CUBE_MAP, cube.cubeMap);
        glActiveTexture(GL_TEXTURE0);
        for (const SceneObject& object : objects)
            DrawSceneObject(object, nullptr, FlagHidden);
        glFinish();
    }

    // Where the world point lands on screen: its clip position.
    glm::vec4 Clip(const glm::vec3& world)
    {
        return CApplication::GetInstance().projection * camera->GetViewMatrix() * glm::vec4(world, 1.0f);
    }

    // One output of the scene pass where the world point lands on screen.
    glm::vec4 At(const glm::vec3& world, int output = 0)
    {
        const glm::vec4 clip = Clip(world);
        return target.At(output, int((clip.x / clip.w * 0.5f + 0.5f) * target.size),
                         int((clip.y / clip.w * 0.5f + 0.5f) * target.size));
    }
    float BrightnessAt(const glm::vec3& world) { return Brightness(At(world)); }

    bool OnScreen(const glm::vec3& world)
    {
        const glm::vec4 clip = Clip(world);
        return clip.w > 0.0f && std::abs(clip.x) <= clip.w && std::abs(clip.y) <= clip.w;
    }

    // Whether any corner of the box object is on screen.
    bool BoxOnScreen()
    {
        bool seen = false;
        for (int corner = 0; corner < 8; ++corner)
            seen = seen || OnScreen(objects[1].position + glm::vec3(corner & 1 ? 1 : -1, corner & 2 ? 2 : 0,
                                                                    corner & 4 ? 1 : -1));
        return seen;
    }

    // Brightness at `receiver` with the box casting, then with it casting nothing.
    std::pair<float, float> WithAndWithoutTheBox(const glm::vec3& receiver)
    {
        RenderFrame();
        const float shadowed = BrightnessAt(receiver);
        objects[1].flags = FlagNoShadow;
        RenderFrame();
        objects[1].flags = 0;
        return {shadowed, BrightnessAt(receiver)};
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    TempDir dir{"scene-shadows"};
    CMesh ground, box;
    CTestCamera* camera = nullptr;
    CShaderProgramLightShadows lit;
    CShaderProgramBasic basic;
    CShaderProgramShadowMap depth;
    CShaderProgramShadowMapOpaque opaqueDepth;
    CShaderProgramPointLightShadowMap distance;
    CCascadeShadowMap cascades;
    CPointShadowMap cube;
    SceneTarget target{256};
    std::vector<SceneObject> objects;
};
}

TEST_F(ShadowPassesGLTest, SunShadowFallsBehindTheBoxAndFlaggedObjectsCastNone)
{
    SetSun({1.0f, -1.0f, 0.0f}, 0.8f); // travels towards +x
    RenderFrame();
    const glm::vec3 behind(2.0f, 0.0f, 0.0f), open(-2.0f, 0.0f, -4.0f);
    // The shadow takes away the sun's diffuse 0.8 x cos 45 per channel (less a tenth:
    // sunlight is warm, its blue weaker, and 25 units of air add haze) and leaves the
    // sky's light, which is blue.
    EXPECT_NEAR((BrightnessAt(open) - BrightnessAt(behind)) / (3.0f * 0.8f * 0.7071f), 0.90f, 0.04f);
    EXPECT_GT(At(behind).b, 1.2f * At(behind).r);
    EXPECT_LT(BrightnessAt(behind), 0.35f * BrightnessAt(open));
    EXPECT_EQ(Brightness(At(open, 1)), 0.0f); // nothing bright enough to bloom
    EXPECT_NEAR(At(open, 2).r, Clip(open).w / 725.0f, 5e-4f); // view depth for depth of field

    for (uint32_t flag : {uint32_t(FlagNoShadow), uint32_t(FlagHidden)})
    {
        objects[1].flags = flag;
        RenderFrame();
        EXPECT_NEAR(BrightnessAt(behind), BrightnessAt(open), 0.05f * BrightnessAt(open)) << "flag " << flag;
    }

    // A caster whose material is all holes casts nothing either.
    ASSERT_TRUE(WriteTestImage(dir.Path("clear_diffuse.png"), FIF_PNG, 4, 4, 32, 0));
    CMesh clearBox;
    LoadBoxOf("clear", clearBox);
    objects[1].mesh = &clearBox;
    objects[1].flags = 0;
    RenderFrame();
    EXPECT_NEAR(BrightnessAt(behind), BrightnessAt(open), 0.05f * BrightnessAt(open));
    objects[1].mesh = &box;
    clearBox.Clear();

    // The cascade debug view tints the second cascade (20 to 40 units away) green.
    settings.showCsmCascades = true;
    RenderFrame();
    EXPECT_GT(At(open).g, 2.0f * At(open).r);
}

// Maps of another size, taller than wide, keep the sun's and the lamp's
// shadows: each pass draws its map whole, the lamp's cube faces are as wide as
// the larger side, and the lit program reads the texel sizes the setting gives.
TEST_F(ShadowPassesGLTest, ShadowsStayAtAnotherMapSize)
{
    cascades.Destroy();
    cube.Release();
    settings.shadowMapWidth = 128;
    settings.shadowMapHeight = 256;
    cascades.Init(128, 256);
    cube.Init(CubeFaceSize(128, 256), CubeFaceSize(128, 256));
    SetSun({1.0f, -1.0f, 0.0f}, 0.8f);
    RenderFrame();
    const glm::vec3 behind(2.0f, 0.0f, 0.0f), open(-2.0f, 0.0f, -4.0f);
    EXPECT_LT(BrightnessAt(behind), 0.35f * BrightnessAt(open)) << "the sun's shadow";

    SetSun({0.0f, -1.0f, 0.0f}, 0.0f);
    UseShadowingLamp({-2.5f, 1.0f, 0.0f});
    RenderFrame();
    const glm::vec3 shadowed(2.5f, 0.0f, 0.0f), lit(-2.5f, 0.0f, -5.0f);
    EXPECT_LT(BrightnessAt(shadowed), 0.5f * BrightnessAt(lit)) << "the lamp's shadow";
}

TEST_F(ShadowPassesGLTest, LampShadowFallsOnTheFarSideOfTheBox)
{
    SetSun({0.0f, -1.0f, 0.0f}, 0.0f); // ambient only
    UseShadowingLamp({-2.5f, 1.0f, 0.0f});
    RenderFrame();
    // Both points lie 5.1 units from the lamp at the same angle; only the box separates them.
    const glm::vec3 shadowed(2.5f, 0.0f, 0.0f), lit(-2.5f, 0.0f, -5.0f);
    EXPECT_LT(BrightnessAt(shadowed), 0.5f * BrightnessAt(lit));

    objects[1].flags = FlagNoShadow;
    RenderFrame();
    EXPECT_NEAR(BrightnessAt(shadowed), BrightnessAt(lit), 0.1f * BrightnessAt(lit));

    // The cube is kept while nothing changes and drawn again when a caster moves out of the way.
    objects[1].flags = 0;
    RenderFrame();
    RenderFrame();
    EXPECT_LT(BrightnessAt(shadowed), 0.5f * BrightnessAt(lit));
    objects[1].position.z = -8.0f;
    RenderFrame();
    EXPECT_NEAR(BrightnessAt(shadowed), BrightnessAt(lit), 0.1f * BrightnessAt(lit));
}

TEST_F(ShadowPassesGLTest, LowLampShadowsNothingOnOpenGroundAcrossItsCubeFaceEdges)
{
    // Nothing but the ground, lit by a lamp just above it: its cube shadow must leave every ground
    // point as lit as it is with the shadow off, whichever face the point's direction falls in,
    // however grazing the angle.
    SetSun({0.0f, -1.0f, 0.0f}, 0.0f);
    objects[1].flags = FlagHidden;
    PointLight lamp;
    lamp.Base.Color = glm::vec3(1.0f);
    lamp.Base.DiffuseIntensity = 3.0f;
    lamp.Position = {0.0f, 0.6f, 0.0f};
    lamp.Atten = {1.0f, 0.09f, 0.032f};
    lamp.ShadowMap = 0;
    settings.pointLights = {lamp};
    camera->eye = glm::vec3(0.0f, 2.5f, -13.0f);
    camera->direction = -camera->eye;

    std::vector<glm::vec3> ring; // 3.75 degrees apart, so that samples straddle the face edges at odd multiples of 45
    for (float radius : {2.0f, 5.0f, 9.0f})
        for (int step = 0; step < 96; ++step)
        {
            const float angle = glm::radians(3.75f * float(step) + 1.0f);
            const glm::vec3 point(radius * std::sin(angle), 0.0f, radius * std::cos(angle));
            const glm::vec4 clip = Clip(point);
            if (clip.w > 0.0f && std::abs(clip.x) < 0.95f * clip.w && std::abs(clip.y) < 0.95f * clip.w)
                ring.push_back(point);
        }
    ASSERT_GT(ring.size(), 150u);

    std::vector<float> unshadowed;
    settings.pointLights[0].ShadowMapEnabled = false;
    RenderFrame();
    for (const glm::vec3& point : ring)
        unshadowed.push_back(BrightnessAt(point));
    settings.pointLights[0].ShadowMapEnabled = true;
    RenderFrame();
    for (size_t i = 0; i < ring.size(); ++i)
        EXPECT_NEAR(BrightnessAt(ring[i]), unshadowed[i], 0.02f * unshadowed[i])
            << "at " << ring[i].x << ", " << ring[i].z;
}

TEST_F(ShadowPassesGLTest, LightMarkerWritesItsHdrColourAndItsExcessToTheBrightOutput)
{
    SetSun({0.0f, -1.0f, 0.0f}, 0.8f);
    objects[1].program = &basic;
    objects[1].color = glm::vec4(8.86f, 3.45f, 1.33f, 1.0f);
    RenderFrame();
    const glm::vec3 top(0.0f, 2.0f, 0.0f);
    EXPECT_FLOAT_EQ(At(top).r, 8.86f);
    // The bright output keeps the share of the light above a luminance of 1.
    const float luminance = 0.2126f * 8.86f + 0.7152f * 3.45f + 0.0722f * 1.33f;
    EXPECT_NEAR(At(top, 1).b, 1.33f * (luminance - 1.0f) / luminance, 1e-4f);
    EXPECT_NEAR(At(top, 2).r, Clip(top).w / 725.0f, 5e-4f);
}

TEST_F(ShadowPassesGLTest, ABoxAboveTheViewBetweenTheSunAndTheCascadeStillShadowsTheGround)
{
    SetSun({1.0f, -1.0f, 0.0f}, 0.8f); // travels towards +x
    settings.pointLights.clear();
    objects[1].position = {-30.0f, 30.0f, 0.0f};
    const glm::vec3 receiver(1.0f, 0.0f, 0.0f); // straight down the light from the box's centre
    ASSERT_FALSE(BoxOnScreen());
    ASSERT_TRUE(OnScreen(receiver));

    const auto [shadowed, open] = WithAndWithoutTheBox(receiver);
    EXPECT_LT(shadowed, 0.5f * open);
    // The receiver lies in the second cascade; the whole box is nearer the sun than its near side.
    const float boxFarDepth = (-29.0f - 30.0f) / std::sqrt(2.0f);
    EXPECT_LT(boxFarDepth, settings.cascadeOrthoBounds[1][4]);
}

TEST_F(ShadowPassesGLTest, ABoxBehindTheCameraStillShadowsTheGroundInALampsCubeFace)
{
    SetSun({0.0f, -1.0f, 0.0f}, 0.0f); // ambient only
    UseShadowingLamp({0.0f, 2.0f, -24.0f});
    objects[1].position = {0.0f, 0.0f, -19.0f};
    const glm::vec3 receiver(0.0f, 0.0f, -8.0f); // behind the box as the lamp sees it, in the +z face
    ASSERT_FALSE(BoxOnScreen());
    ASSERT_TRUE(OnScreen(receiver));

    // The lamp meets the ground at a grazing angle: compare only what it adds to the sky's light.
    const auto [shadowed, open] = WithAndWithoutTheBox(receiver);
    settings.pointLights[0].Base.DiffuseIntensity = 0.0f;
    RenderFrame();
    const float sky = BrightnessAt(receiver);
    EXPECT_GT(open - sky, 0.05f);
    EXPECT_LT(shadowed - sky, 0.2f * (open - sky));
}

// A variant leaves out only what is exactly zero where it is used: each draws
// what the full program draws, on either side of each switch (the lamps fading
// in as the sun sinks, then the moon, the sun going below the horizon), on a
// surface with holes and on one that glows, in all three outputs.
TEST_F(ShadowPassesGLTest, EachVariantDrawsWhatTheFullProgramDraws)
{
    UseShadowingLamp({-2.5f, 1.0f, 0.0f});
    ASSERT_TRUE(WriteCheckeredHoles(dir.Path("holes_diffuse.png")));
    CMesh holesBox;
    LoadBoxOf("holes", holesBox);
    ASSERT_TRUE(holesBox.HasTransparentMaterial());
    ASSERT_TRUE(WriteSolidImage(dir.Path("glowing_diffuse.png"), glm::vec3(0.5f)));
    ASSERT_TRUE(WriteSolidImage(dir.Path("glowing_glow.png"), glm::vec3(0.2f, 0.1f, 0.05f)));
    CMesh glowingBox;
    LoadBoxOf("glowing", glowingBox);
    ASSERT_TRUE(glowingBox.HasGlowMaterial());
    ASSERT_FALSE(box.HasGlowMaterial());

    // The ground casts nothing, so that the sun's last light reaches the box from below the horizon.
    objects[0].flags |= FlagNoShadow;
    const float times[] = {36.5f, 69.0f, 69.6f, 70.5f, 86.0f, 86.9f, 87.5f, 95.5f, 96.0f, 97.0f, 180.0f};
    std::set<int> used;
    for (CMesh* mesh : {&box, &holesBox, &glowingBox})
    {
        objects[1].mesh = mesh;
        for (const float time : times)
        {
            // Turned about the vertical, so that the box's side facing the camera faces the sun too.
            const glm::vec3 travel = SunDirection(time);
            SetSun({travel.x * 0.7071f, travel.y, travel.x * 0.7071f}, 0.8f);
            settings.dirLight.Base.Color = SunColorAt(time);
            std::vector<glm::vec4> full[3], variant[3];
            lit.fullVariantOnly = true;
            RenderFrame();
            for (int output = 0; output < 3; ++output)
                full[output] = target.Read(output);
            lit.fullVariantOnly = false;
            RenderFrame();
            used.insert(LitVariantIndex(lit.keyInUse));
            for (int output = 0; output < 3; ++output)
            {
                variant[output] = target.Read(output);
                float largest = 0.0f;
                for (size_t i = 0; i < full[output].size(); ++i)
                    largest = std::max(largest, glm::length(full[output][i] - variant[output][i]));
                EXPECT_LE(largest, 1e-6f) << "output " << output << " at " << time;
            }
        }
    }
    objects[1].mesh = &box;
    holesBox.Clear();
    glowingBox.Clear();
    EXPECT_EQ(used.size(), 12u) << "four states of the light, each for a plain surface, one with holes and one that glows";

    // The cascade display tints the second cascade green in the sun's variants and in the others.
    const glm::vec3 open(-2.0f, 0.0f, -4.0f);
    for (const float time : {36.5f, 180.0f})
    {
        SetSun(SunDirection(time), 0.8f);
        settings.showCsmCascades = false;
        RenderFrame();
        const glm::vec4 plain = At(open);
        settings.showCsmCascades = true;
        RenderFrame();
        EXPECT_GT(At(open).g / At(open).r, 2.5f * plain.g / plain.r) << time;
    }
}
