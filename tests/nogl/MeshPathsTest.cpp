#include <gtest/gtest.h>

#include "scene/MeshPaths.h"

TEST(MeshPaths, ModelDirectory)
{
    EXPECT_EQ(ModelDirectory("Resources\\models\\scene\\torii.obj"), "Resources\\models\\scene");
    EXPECT_EQ(ModelDirectory("torii.obj"), ".");
    EXPECT_EQ(ModelDirectory("\\torii.obj"), "/");
    EXPECT_EQ(ModelDirectory("/tmp/models/torii.obj"), "/tmp/models");
}

TEST(MeshPaths, MaterialTexturesAreJoinedToTheModelFolder)
{
    EXPECT_EQ(MaterialTexturePath("Resources\\models\\scene", ".\\textures\\a.png"),
              "Resources\\models\\scene\\textures\\a.png");
    EXPECT_EQ(MaterialTexturePath("Resources\\models\\scene", "a.png"), "Resources\\models\\scene\\a.png");
    EXPECT_EQ(MaterialTexturePath(".", "./a.png"), ".\\a.png");
}

TEST(MeshPaths, CompanionMapsReplaceTheFirstDiffuseOnly)
{
    EXPECT_EQ(CompanionTexturePath("dir\\wood_diffuse.png", "_normal"), "dir\\wood_normal.png");
    EXPECT_EQ(CompanionTexturePath("a_diffuse\\b_diffuse.jpg", "_glow"), "a_glow\\b_diffuse.jpg");
    EXPECT_EQ(CompanionTexturePath("dir\\wood.png", "_specular"), "");
}
