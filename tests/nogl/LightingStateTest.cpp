#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "SceneSun.h"
#include "core/LightingState.h"
#include "shaders/LitVariantKey.h"

TEST(LightingStateTest, TheSunTheMoonAndTheLampsComeAndGoWithTheTimeOfDay)
{
    const struct
    {
        float timeOfDay;
        bool sun, moon, lamps;
    } cases[] = {{0.0f, true, false, false},  {36.5f, true, false, false}, {75.0f, true, false, true},
                 {88.0f, true, true, true},   {95.0f, true, true, true},    {100.0f, false, true, true},
                 {180.0f, false, true, true}, {265.0f, true, true, true},   {300.0f, true, false, false}};
    for (const auto& c : cases)
    {
        const LightingState state = LightingStateOf(SunAt(c.timeOfDay));
        EXPECT_EQ(state.sun, c.sun) << c.timeOfDay;
        EXPECT_EQ(state.moon, c.moon) << c.timeOfDay;
        EXPECT_EQ(state.lamps, c.lamps) << c.timeOfDay;
    }

    // A sun that gives no light lights nothing, wherever it stands.
    DirectionalLight dark = SunAt(0.0f);
    dark.Base.DiffuseIntensity = 0.0f;
    EXPECT_FALSE(LightingStateOf(dark).sun);
    EXPECT_TRUE(LightingStateOf(dark).lamps);
    dark.Direction = glm::vec3(0.0f); // no direction: level, neither up nor down
    EXPECT_EQ(SunHeight(dark), 0.0f);
}

// A state leaves a term out only where the shader's curve has made it exactly
// zero, and keeps it a little beyond, never short of it.
TEST(LightingStateTest, ATermIsLeftOutOnlyWhereItIsExactlyZero)
{
    int sunOff = 0, moonOff = 0, lampsOff = 0, sunInMargin = 0, moonInMargin = 0, lampsInMargin = 0;
    for (float t = 0.0f; t < 360.0f; t += 0.125f)
    {
        const DirectionalLight sun = SunAt(t);
        const LightingState state = LightingStateOf(sun);
        EXPECT_TRUE(state.sun || SunAboveHorizon(sun) == 0.0f) << t;
        EXPECT_TRUE(state.moon || MoonUp(sun) == 0.0f) << t;
        EXPECT_TRUE(state.lamps || LampShare(sun) == 0.0f) << t;
        sunOff += state.sun ? 0 : 1;
        moonOff += state.moon ? 0 : 1;
        lampsOff += state.lamps ? 0 : 1;
        sunInMargin += state.sun && SunAboveHorizon(sun) == 0.0f ? 1 : 0;
        moonInMargin += state.moon && MoonUp(sun) == 0.0f ? 1 : 0;
        lampsInMargin += state.lamps && LampShare(sun) == 0.0f ? 1 : 0;
    }
    // Each term is off for a good part of the day, and kept only narrowly past its end.
    EXPECT_GT(sunOff, 2 * 360);
    EXPECT_GT(moonOff, 2 * 360);
    EXPECT_GT(lampsOff, 2 * 360);
    EXPECT_GT(sunInMargin, 0);
    EXPECT_LT(sunInMargin, 2 * 8);
    EXPECT_GT(moonInMargin, 0);
    EXPECT_LT(moonInMargin, 2 * 8);
    EXPECT_GT(lampsInMargin, 0);
    EXPECT_LT(lampsInMargin, 2 * 8);
    // Both curves are whole where nothing outshines them.
    EXPECT_EQ(SunAboveHorizon(SunAt(80.0f)), 1.0f);
    EXPECT_EQ(MoonUp(SunAt(180.0f)), 1.0f);
    EXPECT_EQ(LampShare(SunAt(180.0f)), 1.0f);
}

TEST(LightingStateTest, EachKeyHasItsOwnVariantAndDefines)
{
    std::set<int> indices;
    for (int bits = 0; bits < 32; ++bits)
    {
        const LitVariantKey key =
            MakeLitVariantKey({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0}, (bits & 8) != 0, (bits & 16) != 0);
        const int index = LitVariantIndex(key);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, kLitVariantCount);
        indices.insert(index);
        const std::vector<std::string> defines = LitVariantDefines(key);
        const auto has = [&defines](const char* name) {
            return std::find(defines.begin(), defines.end(), name) != defines.end();
        };
        EXPECT_EQ(has("LIT_SUN"), key.sun);
        EXPECT_EQ(has("LIT_MOON"), key.moon);
        EXPECT_EQ(has("LIT_LAMPS"), key.lamps);
        EXPECT_EQ(has("LIT_ALPHA_TEST"), key.alphaTested);
        EXPECT_EQ(has("LIT_GLOW_MAP"), key.glowing);
        EXPECT_EQ(defines.size(), size_t(key.sun) + size_t(key.moon) + size_t(key.lamps) + size_t(key.alphaTested) +
                                      size_t(key.glowing));
    }
    EXPECT_EQ(indices.size(), size_t(kLitVariantCount));
    EXPECT_EQ(LitVariantDefines(kFullLitVariant).size(), 5u);
}
