#include <gtest/gtest.h>

#include <limits>

#include "core/Clock.h"

TEST(ClockTest, DeltaComesFromWholeMilliseconds)
{
    int32_t last = 100;
    EXPECT_FLOAT_EQ(AdvanceFrameClock(116, last), 0.016f);
    EXPECT_EQ(last, 116);
    EXPECT_FLOAT_EQ(AdvanceFrameClock(116, last), 0.0f); // two frames in the same millisecond
    EXPECT_FLOAT_EQ(AdvanceFrameClock(1116, last), 1.0f);

    // The real clock counts from process start and never runs backwards.
    const int32_t first = GetClockMs();
    EXPECT_GE(first, 0);
    EXPECT_GE(GetClockMs(), first);
}

TEST(ClockTest, DeltasSpanTheWrapOfTheMillisecondCounter)
{
    // 2^31 - 10 ms and 10 ms after the wrap are 20 ms apart.
    const int32_t beforeWrap = std::numeric_limits<int32_t>::max() - 9;
    const int32_t afterWrap = AdvanceClockMs(beforeWrap, 20);
    EXPECT_EQ(afterWrap, std::numeric_limits<int32_t>::min() + 10);
    EXPECT_EQ(ClockMsBetween(beforeWrap, afterWrap), 20);
    int32_t last = beforeWrap;
    EXPECT_FLOAT_EQ(AdvanceFrameClock(afterWrap, last), 0.02f);
    EXPECT_EQ(last, afterWrap);
}
