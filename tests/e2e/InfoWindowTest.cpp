#include <FreeImage.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "ProcessRunner.h"

namespace fs = std::filesystem;

// The Info window is driven as a user would drive it: the capture tool clicks
// at window pixels of its first-use layout, with every section closed at
// first: headers at x 120, "Profiler" at y 211, "Scene" 237, "Debug" 341.
namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;

struct Rgb
{
    int r, g, b;
};

// A captured frame, addressed from the top-left as the window is.
class Frame
{
public:
    explicit Frame(const fs::path& path) : bitmap(FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT)) {}
    ~Frame() { FreeImage_Unload(bitmap); }
    bool Loaded() const { return bitmap != nullptr; }

    Rgb At(int x, int y) const
    {
        RGBQUAD pixel = {};
        FreeImage_GetPixelColor(bitmap, unsigned(x), FreeImage_GetHeight(bitmap) - 1 - unsigned(y), &pixel);
        return {pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue};
    }

    // The longest horizontal run of matching pixels in a row of the box.
    int LongestRun(int left, int top, int right, int bottom, const std::function<bool(Rgb)>& match) const
    {
        int longest = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left, run = 0; x < right; ++x)
                longest = std::max(longest, run = match(At(x, y)) ? run + 1 : 0);
        return longest;
    }

private:
    FIBITMAP* bitmap;
};

class InfoWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kestrune-info-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Capture(const std::string& arguments)
    {
        const ProcessResult result = RunProcess(binDir + "/kestrune-capture " + arguments, binDir, 300);
        ASSERT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(ErrorLines(result.output), "");
    }

    fs::path dir;
};

std::vector<int> VertexCounts(const fs::path& report)
{
    std::ifstream file(report);
    std::stringstream text;
    text << file.rdbuf();
    const std::string json = text.str();
    std::vector<int> counts;
    const std::regex field("\"vertex_count\": (\\d+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), field); it != std::sregex_iterator(); ++it)
        counts.push_back(std::stoi((*it)[1]));
    return counts;
}
}

TEST_F(InfoWindowTest, OpenProfilerShowsTheStageBarFromBlueToRed)
{
    // With --bench every stage takes real time, so each one gets a button.
    Capture("--bench --frames 4 --click 120,211:2 --out " + (dir / "profiler.png").string());
    const Frame frame(dir / "profiler.png");
    ASSERT_TRUE(frame.Loaded());
    // The bar spans the window's width just below the header.
    const auto blue = [](Rgb c) { return c.b > 200 && c.r < 60; };
    const auto red = [](Rgb c) { return c.r > 200 && c.b < 60 && c.g < 200; };
    EXPECT_GE(frame.LongestRun(60, 215, 460, 265, blue), 15) << "the first stages, in blue";
    EXPECT_GE(frame.LongestRun(60, 215, 460, 265, red), 15) << "the last stage, in orange-red";
}

TEST_F(InfoWindowTest, UntickingFoliageLowersTheVertexCount)
{
    // "Scene" opens on frame 3; the box is ticked off on frame 5 and frame 6 draws without it.
    Capture("--frames 6 --click 120,237:2 --click 98,263:4 --report " + (dir / "report.json").string());
    const std::vector<int> counts = VertexCounts(dir / "report.json");
    ASSERT_EQ(counts.size(), 6u);
    EXPECT_GT(counts.front(), 0);
    EXPECT_LT(counts.back(), counts.front() * 9 / 10) << "grass and rocks are gone";
}

TEST_F(InfoWindowTest, ChoosingDepthTextureShowsItUnderTheCombo)
{
    // Debug opens on frame 3, the list on frame 5 and shows on frame 6; the
    // "Depth texture" item is clicked on frame 7.
    Capture("--frames 9 --click 120,341:2 --click 200,419:4 --click 130,466:7 --out " + (dir / "depth.png").string());
    const Frame frame(dir / "depth.png");
    ASSERT_TRUE(frame.Loaded());
    // Inside the 256 x 256 image: grey, mostly near-black ground, where the
    // window's own background is never darker than about 60.
    int dark = 0, total = 0;
    for (int y = 450; y < 670; ++y)
        for (int x = 100; x < 330; ++x, ++total)
        {
            const Rgb c = frame.At(x, y);
            EXPECT_LE(std::abs(c.r - c.g) + std::abs(c.g - c.b), 6) << x << "," << y;
            dark += std::max({c.r, c.g, c.b}) < 40 ? 1 : 0;
        }
    EXPECT_GT(dark, total * 3 / 10);
}
