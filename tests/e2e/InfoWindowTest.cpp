#include <FreeImage.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <tuple>
#include <unistd.h>
#include <vector>

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

bool Near(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) < 30;
}

// Pixels [left, right) of a row, all near the colour of the first.
struct ColourRun
{
    int left, right;
    Rgb colour;
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

    // The runs of one strong colour (no grey, no text) along the row of the box
    // that has the most such pixels.
    std::vector<ColourRun> ColourRunsOfFullestRow(int left, int top, int right, int bottom) const
    {
        std::vector<ColourRun> fullest;
        int most = 0;
        for (int y = top; y < bottom; ++y)
        {
            std::vector<ColourRun> runs;
            int count = 0;
            for (int x = left; x < right; ++x)
            {
                const Rgb c = At(x, y);
                if (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 150)
                    continue;
                ++count;
                if (runs.empty() || runs.back().right != x || !Near(runs.back().colour, c))
                    runs.push_back({x, x, c});
                runs.back().right = x + 1;
            }
            if (count > most)
                std::tie(most, fullest) = std::make_pair(count, runs);
        }
        return fullest;
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
        // The clicks move the real pointer: on a server of its own no other window can be under it.
        const ProcessResult result = RunProcess(OnOwnDisplay("./kestrune-capture " + arguments), binDir, 300);
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

TEST_F(InfoWindowTest, OpenProfilerShowsEqualStagesFromBlueToRed)
{
    // Every stage takes 5 ms of the capture's clock, so the bar below the header is
    // five equal segments, coloured by the stage's place in the frame.
    Capture("--frames 4 --mark-ms 5 --click 120,211:2 --out " + (dir / "profiler.png").string());
    const Frame frame(dir / "profiler.png");
    ASSERT_TRUE(frame.Loaded());
    const std::vector<ColourRun> runs = frame.ColourRunsOfFullestRow(60, 215, 460, 265);
    const std::vector<Rgb> expected = {{0, 170, 255}, {0, 255, 170}, {0, 255, 0}, {170, 255, 0}, {255, 170, 0}};
    ASSERT_EQ(runs.size(), expected.size()) << "ShadowMapDir, ShadowMapPoint, Skymap, Render, PostProcess";
    const int total = runs.back().right - runs.front().left;
    EXPECT_GT(total, 300) << "the bar spans the window's width";
    for (size_t i = 0; i < runs.size(); ++i)
    {
        EXPECT_NEAR(runs[i].right - runs[i].left, total / 5, 2) << "stage " << i;
        EXPECT_NEAR(runs[i].colour.r, expected[i].r, 6) << "stage " << i;
        EXPECT_NEAR(runs[i].colour.g, expected[i].g, 6) << "stage " << i;
        EXPECT_NEAR(runs[i].colour.b, expected[i].b, 6) << "stage " << i;
    }
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
