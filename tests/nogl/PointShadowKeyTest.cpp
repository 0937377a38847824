// A cube of distances is drawn again exactly when something it depends on has changed.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "scene/PointShadowKey.h"

namespace
{
const uint32_t kNotCasting = FlagNoShadow | FlagHidden;

struct Frame
{
    PointLight light;
    int size = 1600;
    std::vector<SceneObject> objects;

    PointShadowKey Key() const { return MakePointShadowKey(light, size, size, objects, kNotCasting); }
};

Frame LampAndTable(CMesh* table, CMesh* marker)
{
    Frame frame;
    frame.light.Position = {0.0f, 2.5f, 0.0f};
    frame.light.Base.Color = {0.886f, 0.345f, 0.133f};
    frame.light.Base.DiffuseIntensity = 3.0f;
    frame.light.Atten = {1.0f, 0.09f, 0.032f};
    frame.objects.resize(2);
    frame.objects[0].mesh = marker;
    frame.objects[0].flags = FlagNoShadow;
    frame.objects[1].mesh = table;
    return frame;
}
}

TEST(PointShadowKeyTest, ChangesWithTheLightTheMapAndEveryCasterButNotWithNonCasters)
{
    CMesh* table = reinterpret_cast<CMesh*>(0x1000);
    CMesh* other = reinterpret_cast<CMesh*>(0x2000);
    CMesh* marker = reinterpret_cast<CMesh*>(0x3000);
    const PointShadowKey drawn = LampAndTable(table, marker).Key();
    EXPECT_EQ(LampAndTable(table, marker).Key(), drawn);

    const std::vector<std::pair<const char*, std::function<void(Frame&)>>> redraws = {
        {"light moved", [](Frame& f) { f.light.Position.y += 1e-4f; }},
        {"light brighter", [](Frame& f) { f.light.Base.DiffuseIntensity = 4.0f; }},
        {"light fades sooner", [](Frame& f) { f.light.Atten.Exp = 0.05f; }},
        {"map resized", [](Frame& f) { f.size = 800; }},
        {"caster moved", [](Frame& f) { f.objects[1].position.x = 0.5f; }},
        {"caster turned", [](Frame& f) { f.objects[1].rotation.y = 90.0f; }},
        {"caster scaled", [](Frame& f) { f.objects[1].scale = glm::vec3(2.0f); }},
        {"caster hidden", [](Frame& f) { f.objects[1].flags = FlagHidden; }},
        {"caster's shadow off", [](Frame& f) { f.objects[1].flags = FlagNoShadow; }},
        {"another mesh", [other](Frame& f) { f.objects[1].mesh = other; }},
        {"marker casts", [](Frame& f) { f.objects[0].flags = 0; }},
    };
    for (const auto& [what, change] : redraws)
    {
        Frame frame = LampAndTable(table, marker);
        change(frame);
        EXPECT_NE(frame.Key(), drawn) << what;
    }

    // The marker follows the lamp but casts no shadow; colours and lighting flags are no caster's business.
    Frame frame = LampAndTable(table, marker);
    frame.objects[0].position = {5.0f, 5.0f, 5.0f};
    frame.objects[1].color = glm::vec4(0.5f);
    frame.objects[1].flags = FlagAllPointLights;
    frame.light.Base.AmbientIntensity = 0.5f;
    EXPECT_EQ(frame.Key(), drawn);
}
