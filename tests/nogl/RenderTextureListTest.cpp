#include <gtest/gtest.h>

#include "effects/RenderTextureList.h"

TEST(RenderTextureListTest, ListsTheRegistryInByteOrderAndFindsTheSelection)
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

TEST(RenderTextureListTest, ARenderTextureThatGoesAwayIsNoLongerSelected)
{
    RenderTextureRegistry registry = {{"None", -1}, {"Bloom", 7}, {"SkyboxSunMap", 12}};
    int32_t selected = 12;
    UnregisterRenderTexture(registry, selected, "SkyboxSunMap");
    EXPECT_EQ(selected, -1);
    EXPECT_FALSE(IsRegisteredRenderTexture(registry, 12));
    selected = 7;
    UnregisterRenderTexture(registry, selected, "NoSuchKey");
    EXPECT_EQ(selected, 7);
    EXPECT_TRUE(IsRegisteredRenderTexture(registry, 7));
    EXPECT_FALSE(IsRegisteredRenderTexture(registry, -1)) << "None names no texture";
}
