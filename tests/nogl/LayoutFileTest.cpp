#include <gtest/gtest.h>

#include <filesystem>

#include "app/LayoutFile.h"
#include "tests/TestFiles.h"

TEST(LayoutFileTest, ALayoutFileThatIsNotAFileIsNotRead)
{
    TempDir dir("layout-file");
    EXPECT_TRUE(LayoutFileUsable(dir.Path("imgui.ini").c_str())) << "made on first save";
    EXPECT_TRUE(LayoutFileUsable(dir.Write("saved.ini", "[Window][Info]\n").c_str()));
    std::filesystem::create_directories(dir.Path("folder.ini"));
    EXPECT_FALSE(LayoutFileUsable(dir.Path("folder.ini").c_str()));
    EXPECT_FALSE(LayoutFileUsable("/dev/null"));
    EXPECT_FALSE(LayoutFileUsable(nullptr));
}
