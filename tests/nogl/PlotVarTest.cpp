#include <gtest/gtest.h>

#include <cfloat>

#include "app/PlotVar.h"

namespace
{
// The samples in the order the plot draws them, oldest first.
std::vector<float> Plotted(const PlotRecord& record, const PlotStep& step)
{
    std::vector<float> ordered;
    for (int i = 0; i < kPlotSamples; ++i)
        ordered.push_back(record.samples[size_t((i + step.offset) % kPlotSamples)]);
    return ordered;
}
}

TEST(PlotVarTest, RingStartsAsZerosFillsFromTheRightAndDrawsOncePerFrame)
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
