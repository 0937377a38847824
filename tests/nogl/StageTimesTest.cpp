#include <gtest/gtest.h>

#include "tools/capture/StageTimes.h"

namespace
{
double Time(const StageTimes& times, const std::string& name)
{
    for (const auto& [stage, ms] : times)
        if (stage == name)
            return ms;
    ADD_FAILURE() << "no stage " << name;
    return -1.0;
}
}

TEST(StageTimesTest, EachMarkGetsTheTimeSinceThePreviousTimestamp)
{
    // Counters count from an arbitrary origin: near 2^60 ns a double could not keep the nanoseconds.
    const uint64_t origin = uint64_t(1) << 60;
    const StageTimes times = StageTimesFromTimestamps(
        {"Start", "ShadowMapDir", "Render"}, {origin, origin + 250'000, origin + 1'484'567, origin + 1'484'567});
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[0].first, "Start");
    EXPECT_DOUBLE_EQ(times[0].second, 0.25) << "the first mark counts from the frame's start";
    EXPECT_EQ(times[1].first, "ShadowMapDir");
    EXPECT_DOUBLE_EQ(times[1].second, 1.234567);
    EXPECT_DOUBLE_EQ(times[2].second, 0.0);

    // A counter that steps back shows as a negative time, not as centuries.
    EXPECT_DOUBLE_EQ(StageTimesFromTimestamps({"Skymap"}, {origin, origin - 2'000'000})[0].second, -2.0);
    EXPECT_TRUE(StageTimesFromTimestamps({"Start", "Render"}, {origin, origin + 1}).empty());
    EXPECT_TRUE(StageTimesFromTimestamps({}, {}).empty());
}

TEST(StageTimesTest, MediansLeaveOutFramesWithoutResults)
{
    // Two frames' timestamps never arrived; two more lack a stage.
    const StageTimes medians = StageMedians({{{"Start", 4.0}, {"Render", 10.0}},
                                             {{"Start", 6.0}},
                                             {},
                                             {},
                                             {{"Start", 5.0}, {"Render", 30.0}},
                                             {{"Render", 20.0}}});
    ASSERT_EQ(medians.size(), 2u);
    EXPECT_DOUBLE_EQ(Time(medians, "Start"), 5.0) << "zeroes in place of missing frames would give 4";
    EXPECT_DOUBLE_EQ(Time(medians, "Render"), 20.0);
    EXPECT_TRUE(StageMedians({{}, {}}).empty());
    EXPECT_DOUBLE_EQ(SumOfStages({{"Skymap", 1.5}, {"Render", 2.0}, {"Start", 9.0}}, {"Skymap", "Render", "Nope"}),
                     3.5);
}
