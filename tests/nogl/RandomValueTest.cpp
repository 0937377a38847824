#include <gtest/gtest.h>

#include <algorithm>

#include "core/RandomValue.h"

TEST(RandomValue, SpansFifteenBitsWhateverTheLibraryRange)
{
    int lowest = 32767, highest = 0;
    for (int i = 0; i < 10000; ++i)
    {
        const int value = RandomValue();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 1000);
    EXPECT_GT(highest, 31767);
}
