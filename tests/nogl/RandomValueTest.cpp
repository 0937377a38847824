#include <gtest/gtest.h>

#include <algorithm>

#include "core/RandomValue.h"

TEST(RandomValueTest, SpansFifteenBitsWhateverTheLibraryRange)
{
    int lowest = 32767, highest = 0;
    for (int i = 0; i < 10000; ++i)
    {
        const int value = RandomValue();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_GE(lowest, 0);
    EXPECT_LT(lowest, 1000);
    EXPECT_LE(highest, 32767);
    EXPECT_GT(highest, 31767);
}
