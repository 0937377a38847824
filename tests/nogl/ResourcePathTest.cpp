#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/ResourcePath.h"

namespace fs = std::filesystem;

class ResourcePathTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = fs::current_path();
        root = fs::temp_directory_path() / ("kestrune-paths-" + std::to_string(::getpid()));
        fs::create_directories(root / "Resources" / "Textures");
        fs::create_directories(root / "Resources" / "textures");
        fs::create_directories(root / "Resources" / "skyboxes" / "dynamic");
        std::ofstream(root / "Resources" / "Textures" / "lensdirt.png") << "a";
        std::ofstream(root / "Resources" / "textures" / "snow_particle3.png") << "b";
        std::ofstream(root / "Resources" / "skyboxes" / "dynamic" / "Sun.PNG") << "c";
        fs::current_path(root);
    }
    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(root);
    }
    fs::path previous;
    fs::path root;
};

TEST_F(ResourcePathTest, BackslashesBecomeSeparatorsAndExactCaseWins)
{
    EXPECT_EQ(ResolveResourcePath("Resources\\Textures\\lensdirt.png"), "Resources/Textures/lensdirt.png");
    EXPECT_EQ(ResolveResourcePath("Resources\\textures\\snow_particle3.png"),
              "Resources/textures/snow_particle3.png");
}

TEST_F(ResourcePathTest, OtherLetterCaseIsFoundAndMissingFilesKeepTheirName)
{
    EXPECT_EQ(ResolveResourcePath("Resources\\skyboxes\\dynamic\\sun.png"), "Resources/skyboxes/dynamic/Sun.PNG");
    EXPECT_EQ(ResolveResourcePath("resources\\SKYBOXES\\Dynamic\\sun.png"), "Resources/skyboxes/dynamic/Sun.PNG");
    EXPECT_EQ(ResolveResourcePath("Resources\\skyboxes\\dynamic\\moon.png"), "Resources/skyboxes/dynamic/moon.png");
    EXPECT_EQ(ResolveResourcePath("Nowhere\\at\\all.txt"), "Nowhere/at/all.txt");
}
