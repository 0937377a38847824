#include <gtest/gtest.h>

#include "app/ProfilerStages.h"

namespace
{
std::vector<ProfilerMark> Marks(std::initializer_list<std::pair<const char*, int32_t>> list)
{
    std::vector<ProfilerMark> marks;
    for (const auto& [name, clock] : list)
        marks.push_back({name, clock, 0.0f, 0});
    return marks;
}
}

TEST(ProfilerStagesTest, TwoMarksMakeOneStageOverTheWholeBar)
{
    std::vector<ProfilerMark> marks = Marks({{"Start", 100}, {"PostProcess", 110}});
    const ProfilerView view = BuildProfilerView(marks, 300.0f, 20.0f);
    EXPECT_EQ(marks[1].elapsed, 10);
    EXPECT_FLOAT_EQ(marks[1].fraction, 1.0f);
    ASSERT_EQ(view.buttons.size(), 1u);
    EXPECT_EQ(view.buttons[0].label, "PostProcess\n10ms (100.0%)");
    EXPECT_FLOAT_EQ(view.buttons[0].x, 30.0f);
    EXPECT_FLOAT_EQ(view.buttons[0].width, 300.0f);
    EXPECT_EQ(view.buttons[0].color, glm::vec4(0, 1, 0, 1)) << "mark 1 of 2 sits halfway: green";
    ASSERT_EQ(view.rows.size(), 1u);
    EXPECT_EQ(view.rows[0].name, "PostProcess");
    EXPECT_EQ(view.rows[0].elapsed, "10 ms");
    EXPECT_EQ(view.rows[0].share, "100.0 %");
}

TEST(ProfilerStagesTest, FramesWithNoMeasurableTimeDrawNoButtons)
{
    std::vector<ProfilerMark> same = Marks(
        {{"Start", 7}, {"ShadowMapDir", 7}, {"ShadowMapPoint", 7}, {"Skymap", 7}, {"Render", 7}, {"PostProcess", 7}});
    const ProfilerView view = BuildProfilerView(same, 300.0f, 20.0f);
    EXPECT_TRUE(view.buttons.empty());
    ASSERT_EQ(view.rows.size(), 5u);
    for (const StageRow& row : view.rows)
    {
        EXPECT_EQ(row.elapsed, "0 ms");
        EXPECT_EQ(row.share, "0.0 %");
    }

    std::vector<ProfilerMark> single = Marks({{"Start", 7}});
    const ProfilerView lone = BuildProfilerView(single, 300.0f, 20.0f);
    EXPECT_TRUE(lone.buttons.empty());
    EXPECT_TRUE(lone.rows.empty());
    std::vector<ProfilerMark> none;
    EXPECT_TRUE(BuildProfilerView(none, 300.0f, 20.0f).rows.empty());
}

TEST(ProfilerStagesTest, ButtonsTileTheBarWithoutGapsAndRunBlueToRed)
{
    std::vector<ProfilerMark> marks = Marks(
        {{"Start", 0}, {"ShadowMapDir", 3}, {"ShadowMapPoint", 3}, {"Skymap", 5}, {"Render", 9}, {"PostProcess", 12}});
    const float avail = 333.0f;
    const ProfilerView view = BuildProfilerView(marks, avail, 20.0f);
    ASSERT_EQ(view.buttons.size(), 4u) << "the empty point-shadow stage has no button";
    EXPECT_EQ(view.rows.size(), 5u);
    EXPECT_EQ(view.rows[1].name, "ShadowMapPoint");
    EXPECT_EQ(view.rows[3].share, "33.3 %");

    EXPECT_FLOAT_EQ(view.buttons.front().x, 30.0f);
    for (size_t i = 1; i < view.buttons.size(); ++i)
        EXPECT_NEAR(view.buttons[i - 1].x + view.buttons[i - 1].width, view.buttons[i].x, 1e-3f) << i;
    EXPECT_NEAR(view.buttons.back().x + view.buttons.back().width, 30.0f + avail, 1e-3f);

    // Mark i of n takes t = i / n: ShadowMapDir 1/6 is blue-cyan, PostProcess 5/6 orange.
    EXPECT_EQ(view.buttons.front().color, glm::vec4(0.0f, 4.0f / 6.0f, 1.0f, 1.0f));
    EXPECT_NEAR(view.buttons.back().color.g, 1.0f - 4.0f * (5.0f / 6.0f - 0.75f), 1e-6f);
    EXPECT_EQ(StageColor(0.0f), glm::vec4(0, 0, 1, 1));
    EXPECT_EQ(StageColor(0.25f), glm::vec4(0, 1, 1, 1));
    EXPECT_EQ(StageColor(0.5f), glm::vec4(0, 1, 0, 1));
    EXPECT_EQ(StageColor(0.75f), glm::vec4(1, 1, 0, 1));
    EXPECT_EQ(StageColor(1.0f), glm::vec4(1, 0, 0, 1));
}

TEST(ProfilerStagesTest, CountsShowPolygonsAsAThirdOfTheVertices)
{
    EXPECT_EQ(PolyCountText(10), "Poly count=3");
    EXPECT_EQ(PolyCountText(3000000), "Poly count=1,000,000");
    EXPECT_EQ(VertexCountText(1234567), "Vertex count=1,234,567");
}
