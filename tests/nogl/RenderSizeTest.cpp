#include <gtest/gtest.h>

#include <limits>

#include "effects/RenderSize.h"

TEST(RenderSizeTest, ScalesTheWindowWithinAQuarterAndTheWhole)
{
    EXPECT_EQ(RenderSize(1600, 900, 1.0f), glm::ivec2(1600, 900));
    EXPECT_EQ(RenderSize(1600, 900, 0.5f), glm::ivec2(800, 450));
    EXPECT_EQ(RenderSize(1600, 900, 0.25f), glm::ivec2(400, 225));
    EXPECT_EQ(RenderSize(1600, 900, 0.7f), glm::ivec2(1120, 630));
    EXPECT_EQ(RenderSize(1600, 900, 0.1f), glm::ivec2(400, 225)) << "held to a quarter";
    EXPECT_EQ(RenderSize(1600, 900, 2.0f), glm::ivec2(1600, 900)) << "never above the window";
    EXPECT_EQ(RenderSize(1600, 900, std::numeric_limits<float>::quiet_NaN()), glm::ivec2(1600, 900));
    EXPECT_EQ(RenderSize(2, 1, 0.25f), glm::ivec2(1, 1)) << "at least a pixel";
}
