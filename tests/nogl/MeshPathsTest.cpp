#include <gtest/gtest.h>

#include "scene/MeshPaths.h"

TEST(MeshPathsTest, FoldersMaterialTexturesAndCompanionMaps)
{
    EXPECT_EQ(ModelDirectory("Resources\\models\\scene\\torii.obj"), "Resources\\models\\scene");
    EXPECT_EQ(ModelDirectory("torii.obj"), ".");
    EXPECT_EQ(ModelDirectory("\\torii.obj"), "/");
    EXPECT_EQ(MaterialTexturePath("Resources\\models\\scene", ".\\textures\\a.png"),
              "Resources\\models\\scene\\textures\\a.png");
    EXPECT_EQ(MaterialTexturePath(".", "./a.png"), ".\\a.png");
    // Only the first "_diffuse" is replaced; without one there is no companion.
    EXPECT_EQ(CompanionTexturePath("a_diffuse\\b_diffuse.jpg", "_glow"), "a_glow\\b_diffuse.jpg");
    EXPECT_EQ(CompanionTexturePath("dir\\wood.png", "_specular"), "");
}
