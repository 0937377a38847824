#include <gtest/gtest.h>

#include "core/ResourcePath.h"
#include "tests/TestFiles.h"

TEST(ResourcePathTest, BackslashesBecomeSeparatorsAndOtherLetterCaseIsFound)
{
    TempDir dir("paths");
    dir.Write("Resources/Textures/lensdirt.png", "a");
    dir.Write("Resources/textures/snow_particle3.png", "b");
    dir.Write("Resources/skyboxes/dynamic/Sun.PNG", "c");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path(""));

    // Exact case wins where two folders differ only in case.
    EXPECT_EQ(ResolveResourcePath("Resources\\Textures\\lensdirt.png"), "Resources/Textures/lensdirt.png");
    EXPECT_EQ(ResolveResourcePath("Resources\\textures\\snow_particle3.png"), "Resources/textures/snow_particle3.png");
    EXPECT_EQ(ResolveResourcePath("resources\\SKYBOXES\\Dynamic\\sun.png"), "Resources/skyboxes/dynamic/Sun.PNG");
    // A missing file keeps its name.
    EXPECT_EQ(ResolveResourcePath("Resources\\skyboxes\\dynamic\\moon.png"), "Resources/skyboxes/dynamic/moon.png");
    EXPECT_EQ(ResolveResourcePath("Nowhere\\at\\all.txt"), "Nowhere/at/all.txt");
    std::filesystem::current_path(previous);
}

TEST(ResourcePathTest, TheWorkingFolderComesFirstThenTheProgramsOwn)
{
    TempDir dir("root");
    dir.Write("program/Resources/shaders/a.vert", "a");
    dir.Write("elsewhere/Resources", "a file, not a folder");
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::string program = dir.Path("program");

    std::filesystem::current_path(program);
    EXPECT_EQ(FindResourceRoot("/nowhere"), std::string()) << "the working folder has one";
    std::filesystem::current_path(dir.Path("elsewhere"));
    EXPECT_EQ(FindResourceRoot(program), program);
    EXPECT_EQ(FindResourceRoot(dir.Path("elsewhere")), std::nullopt) << "a file named Resources is no folder";
    EXPECT_EQ(FindResourceRoot(""), std::nullopt);

    SetResourceRoot(program);
    EXPECT_EQ(ResolveResourcePath("resources\\Shaders\\a.vert"), program + "/Resources/shaders/a.vert");
    EXPECT_EQ(ResolveResourcePath("Resources\\shaders\\b.vert"), program + "/Resources/shaders/b.vert");
    SetResourceRoot("");
    EXPECT_EQ(ResolveResourcePath("Resources\\shaders\\a.vert"), "Resources/shaders/a.vert");
    std::filesystem::current_path(previous);
}
