#include <gtest/gtest.h>

#include "tools/capture/CaptureOptions.h"
#include "tools/capture/FloorComparison.h"

namespace
{
FrameTiming Frame(double frameMs, StageTimes stages, StageTimes floorPasses)
{
    FrameTiming frame;
    frame.frameMs = frameMs;
    frame.stages = std::move(stages);
    frame.floorPasses = std::move(floorPasses);
    return frame;
}

StageTimes Floor(double cascades, double cubes, double scene, double post)
{
    return {{"cascades", cascades}, {"cubes", cubes},        {"scene", scene},  {"lensflare", post / 4},
            {"bloom", post / 4},    {"composite", post / 4}, {"fxaa", post / 4}};
}
}

TEST(FloorComparisonTest, RatiosAreTheMedianOfEachPairsRatio)
{
    const FloorRow row = CompareRow("frame", {{10.0, 2.0}, {30.0, 10.0}, {8.0, 4.0}, {5.0, 0.0}});
    EXPECT_EQ(row.name, "frame");
    EXPECT_DOUBLE_EQ(row.kestruneMs, 8.0);
    EXPECT_DOUBLE_EQ(row.floorMs, 2.0);
    // Ratios 5, 3 and 2 (a pair with no floor time has none): not 8 / 2 from the medians.
    EXPECT_DOUBLE_EQ(row.ratio, 3.0);
    EXPECT_DOUBLE_EQ(CompareRow("none", {}).ratio, 0.0);
}

TEST(FloorComparisonTest, GroupsAddUpTheirStagesAndPassesPerFrame)
{
    const StageTimes stages = {{"Start", 1.0},  {"ShadowMapDir", 12.0}, {"ShadowMapPoint", 30.0},
                               {"Skymap", 4.0}, {"Render", 36.0},       {"PostProcess", 20.0}};
    const std::vector<FrameTiming> frames = {
        Frame(110.0, stages, Floor(2.0, 10.0, 5.0, 10.0)),
        Frame(500.0, stages, {}), // a warm-up-like frame with no floor before it
        Frame(120.0, stages, Floor(4.0, 10.0, 8.0, 16.0)),
        Frame(130.0, stages, Floor(3.0, 15.0, 10.0, 20.0)),
    };
    const std::vector<FloorRow> rows = CompareWithFloor(frames);
    ASSERT_EQ(rows.size(), 5u);
    const char* names[] = {"ShadowMapDir", "ShadowMapPoint", "Skymap+Render", "PostProcess", "frame"};
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].name, names[i]);
    EXPECT_DOUBLE_EQ(rows[0].floorMs, 3.0);
    EXPECT_DOUBLE_EQ(rows[0].ratio, 4.0);
    EXPECT_DOUBLE_EQ(rows[1].floorMs, 10.0);
    EXPECT_DOUBLE_EQ(rows[1].ratio, 3.0);
    EXPECT_DOUBLE_EQ(rows[2].kestruneMs, 40.0) << "Skymap and Render together";
    EXPECT_DOUBLE_EQ(rows[2].ratio, 5.0);
    EXPECT_DOUBLE_EQ(rows[3].floorMs, 16.0) << "lens flare, bloom, composite and FXAA together";
    EXPECT_DOUBLE_EQ(rows[3].ratio, 1.25);
    // The whole frame against the sum of the passes: 110/27, 120/38, 130/48.
    EXPECT_DOUBLE_EQ(rows[4].kestruneMs, 120.0) << "the frame without a floor is left out";
    EXPECT_DOUBLE_EQ(rows[4].floorMs, 38.0);
    EXPECT_DOUBLE_EQ(rows[4].ratio, 120.0 / 38.0);

    const std::string table = FloorTable(rows, 3);
    for (const char* name : names)
        EXPECT_NE(table.find(std::string("  ") + name + " "), std::string::npos) << table;
    EXPECT_NE(table.find("3.16\n"), std::string::npos) << table;
    const std::string json = FloorJson(rows, StageMedians({Floor(2.0, 10.0, 5.0, 10.0)}));
    EXPECT_NE(json.find("\"frame_to_floor_ratio\": 3.158}"), std::string::npos) << json;
    EXPECT_NE(json.find("\"cubes\": 10.000"), std::string::npos) << json;
    EXPECT_NE(json.find("\"Skymap+Render\": {\"kestrune_ms\": 40.000, \"floor_ms\": 8.000, \"ratio\": 5.000}"),
              std::string::npos)
        << json;
}

TEST(FloorComparisonTest, TheFloorNeedsTheBench)
{
    auto parse = [](std::vector<std::string> arguments, std::string& error) {
        std::vector<char*> argv{const_cast<char*>("kestrune-capture")};
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        return ParseCaptureOptions(int(argv.size()), argv.data(), error);
    };
    std::string error;
    EXPECT_FALSE(parse({"--floor", "--frames", "2"}, error));
    EXPECT_EQ(error, "--floor needs --bench");
    error.clear();
    const auto options = parse({"--floor", "--bench"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->floor && options->bench);
}
