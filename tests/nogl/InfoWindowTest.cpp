#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "app/PlotVar.h"
#include "app/ProfilerStages.h"
#include "core/FormatString.h"

namespace
{
std::vector<ProfilerMark> Marks(std::initializer_list<std::pair<const char*, int32_t>> list)
{
    std::vector<ProfilerMark> marks;
    for (const auto& [name, clock] : list)
        marks.push_back({name, clock, 0.0f, 0});
    return marks;
}

// The samples in the order the plot draws them, oldest first.
std::vector<float> Plotted(const PlotRecord& record, const PlotStep& step)
{
    std::vector<float> ordered;
    for (int i = 0; i < kPlotSamples; ++i)
        ordered.push_back(record.samples[size_t((i + step.offset) % kPlotSamples)]);
    return ordered;
}
}

TEST(FormatThousands, GroupsDigitsInThreesWithASignInFront)
{
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1000000), "1,000,000");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-1234), "-1,234");
    EXPECT_EQ(FormatThousands(-999), "-999");
    EXPECT_EQ(FormatThousands(INT_MAX), "2,147,483,647");
    EXPECT_EQ(FormatThousands(INT_MIN), "-2,147,483,648");
}

TEST(ProfilerStages, TwoMarksMakeOneStageOverTheWholeBar)
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

TEST(ProfilerStages, FramesWithNoMeasurableTimeDrawNoButtons)
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

TEST(ProfilerStages, ButtonsTileTheBarWithoutGapsAndRunBlueToRed)
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

TEST(ProfilerStages, CountsShowPolygonsAsAThirdOfTheVertices)
{
    EXPECT_EQ(PolyCountText(10), "Poly count=3");
    EXPECT_EQ(PolyCountText(3000000), "Poly count=1,000,000");
    EXPECT_EQ(VertexCountText(1234567), "Vertex count=1,234,567");
}

TEST(PlotVar, RingStartsAsZerosFillsFromTheRightAndDrawsOncePerFrame)
{
    PlotRecord record;
    const PlotStep first = StepPlotRecord(record, 5.0f, 1);
    EXPECT_TRUE(first.draw);
    EXPECT_FLOAT_EQ(first.latest, 5.0f);
    std::vector<float> expected(size_t(kPlotSamples), 0.0f);
    expected.back() = 5.0f;
    EXPECT_EQ(Plotted(record, first), expected);

    const PlotStep again = StepPlotRecord(record, 7.0f, 1);
    EXPECT_FALSE(again.draw) << "a second call in one frame draws nothing";
    EXPECT_FLOAT_EQ(record.samples[1], 7.0f) << "but still stores its value";

    PlotStep step;
    for (int frame = 2; frame <= kPlotSamples + 1; ++frame)
        step = StepPlotRecord(record, float(frame), frame);
    EXPECT_TRUE(step.draw);
    const std::vector<float> wrapped = Plotted(record, step);
    EXPECT_FLOAT_EQ(wrapped.front(), 2.0f) << "both samples of frame 1 have been overwritten";
    EXPECT_FLOAT_EQ(wrapped.back(), float(kPlotSamples + 1));

    // FLT_MAX plots without storing anything.
    const std::vector<float> before = record.samples;
    EXPECT_TRUE(StepPlotRecord(record, FLT_MAX, 500).draw);
    EXPECT_EQ(record.samples, before);
}
