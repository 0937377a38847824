#include <gtest/gtest.h>

#include <cmath>

#include "effects/RenderTextureList.h"
#include "effects/SettingsPanel.h"

TEST(RenderTextureList, ListsTheRegistryInByteOrderAndFindsTheSelection)
{
    const RenderTextureRegistry registry = {{"None", -1},         {"Depth texture", 7},   {"LensFlare", 9},
                                            {"SkyboxSunMap", 12}, {"SkyboxHorizonMap", 11}, {"Bloom", 5}};
    const char expected[] = "Bloom\0Depth texture\0LensFlare\0None\0SkyboxHorizonMap\0SkyboxSunMap\0";
    EXPECT_EQ(RenderTextureComboItems(registry), std::string(expected, sizeof(expected) - 1));

    EXPECT_EQ(RenderTextureComboIndex(registry, -1), 3) << "None";
    EXPECT_EQ(RenderTextureComboIndex(registry, 7), 1);
    EXPECT_EQ(RenderTextureComboIndex(registry, 99), 0) << "an unknown texture selects the first entry";
    EXPECT_EQ(RenderTextureAt(registry, 1), 7);
    EXPECT_EQ(RenderTextureAt(registry, 3), -1);
    EXPECT_EQ(RenderTextureAt(registry, 6), -1);
    EXPECT_EQ(RenderTextureAt(registry, -1), -1);

    // Two names for one texture: the later one is shown as chosen.
    const RenderTextureRegistry shared = {{"A", 4}, {"B", 4}, {"C", 5}};
    EXPECT_EQ(RenderTextureComboIndex(shared, 4), 1);
    EXPECT_EQ(RenderTextureComboItems({}), "");
}

TEST(SettingsPanel, SpawnRateIsStoredTruncatedWithinItsRange)
{
    EXPECT_EQ(StoredSpawnRate(2.7f), 2);
    EXPECT_EQ(StoredSpawnRate(3000.0f), 3000);
    EXPECT_EQ(StoredSpawnRate(4999.99f), 4999);
    // Typed-in values outside the slider are kept to it; none turn the snow off.
    EXPECT_EQ(StoredSpawnRate(0.5f), 1);
    EXPECT_EQ(StoredSpawnRate(-40.0f), 1);
    EXPECT_EQ(StoredSpawnRate(1e20f), 5000);
    EXPECT_EQ(StoredSpawnRate(std::nanf("")), 1);
}
