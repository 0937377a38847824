#include <gtest/gtest.h>

#include <climits>

#include "core/FormatString.h"

TEST(FormatStringTest, FormatsAnyLength)
{
    EXPECT_EQ(FormatString("gPointLights[%d].Position", 7), "gPointLights[7].Position");
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatString("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(FormatStringTest, GroupsDigitsInThreesWithASignInFront)
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
