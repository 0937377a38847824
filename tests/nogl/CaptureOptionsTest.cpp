#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/TestFiles.h"
#include "tools/capture/CaptureOptions.h"

namespace
{
// The capture tool's verdict on one command line: "" when accepted, else its error.
std::string CaptureVerdict(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "kestrune-capture");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    std::string error;
    return ParseCaptureOptions(int(argv.size()), argv.data(), error) ? "" : error;
}
}

TEST(CaptureOptionsTest, CaptureRefusesCameraAndTimeOfDayOutsideTheirRanges)
{
    EXPECT_EQ(CaptureVerdict({"--camera", "120,15,90", "--time-of-day", "-2147483648"}), "");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,0,-5"}), "camera pitch must be from 5 to 70 degrees");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,30,0"}), "camera distance must be from 10 to 100");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,30,1000"}), "camera distance must be from 10 to 100");
    EXPECT_NE(CaptureVerdict({"--time-of-day", "3e9"}).find("beyond -2147483648..2147483648"), std::string::npos);
    EXPECT_NE(CaptureVerdict({"--time-of-day", "nan"}), "");
    // A long run at a long step wraps the 32-bit clock, which is fine.
    EXPECT_EQ(CaptureVerdict({"--frames", "1000000", "--step-ms", "1000000"}), "");
    // Marks step within a frame's stretch of the clock: at most a minute each, so that a frame's marks stay
    // far from wrapping it.
    EXPECT_EQ(CaptureVerdict({"--mark-ms", "60000"}), "");
    EXPECT_EQ(CaptureVerdict({"--mark-ms", "60001"}), "bad value '60001' for --mark-ms");
    EXPECT_EQ(CaptureVerdict({"--mark-ms", "-1"}), "bad value '-1' for --mark-ms");
    // A lamp whose attenuation could reach 0 would divide its light by 0.
    EXPECT_EQ(CaptureVerdict({"--set", "pointLight.constant=0.01", "--set", "pointLight.exp=0"}), "");
    EXPECT_NE(CaptureVerdict({"--set", "pointLight.constant=0"}), "");
}

// docs/capture.md is the tool's reference: it names every option that --help
// lists, in backticks, and no option that --help does not list.
TEST(CaptureOptionsTest, TheCapturePageDocumentsEveryOptionAndNoOther)
{
    const auto options = [](const std::string& text, const std::regex& pattern) {
        std::set<std::string> found;
        for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
            found.insert((*it)[1]);
        return found;
    };
    const std::set<std::string> help = options(CaptureUsage(), std::regex("\\n  (--[a-z][a-z-]*)"));
    const std::string page = ReadText(std::string(KESTRUNE_SOURCE_DIR) + "/docs/capture.md");
    EXPECT_GE(help.size(), 20u);
    EXPECT_EQ(options(page, std::regex("`(--[a-z][a-z-]*)")), help);
}
