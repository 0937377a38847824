#include <gtest/gtest.h>

#include "tools/capture/CaptureOptions.h"

namespace
{
std::optional<CaptureOptions> Parse(std::vector<std::string> arguments, std::string& error)
{
    std::vector<char*> argv{const_cast<char*>("kestrune-capture")};
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    return ParseCaptureOptions(int(argv.size()), argv.data(), error);
}
}

TEST(MouseClicksTest, TakesPixelsInsideTheWindowOnFramesFromOne)
{
    std::string error;
    const auto options = Parse({"--click", "120,211:2", "--click", "1599,899:1", "--click", "0,0:7"}, error);
    ASSERT_TRUE(options) << error;
    ASSERT_EQ(options->clicks.size(), 3u);
    EXPECT_EQ(options->clicks[0].x, 120);
    EXPECT_EQ(options->clicks[0].y, 211);
    EXPECT_EQ(options->clicks[0].frame, 2);
    EXPECT_EQ(options->clicks[1].x, 1599);
    EXPECT_EQ(options->clicks[1].y, 899);
    EXPECT_EQ(options->clicks[2].frame, 7);

    for (const char* bad : {"1600,0:1", "0,900:1", "-1,0:1", "1,2:0", "1,2", "1:2", "1,2,3:4", "1,2:3:4", "a,b:1"})
    {
        error.clear();
        EXPECT_FALSE(Parse({"--click", bad}, error)) << bad;
        EXPECT_EQ(error, std::string("bad value '") + bad + "' for --click");
    }
}
