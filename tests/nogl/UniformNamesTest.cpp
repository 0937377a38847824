#include <gtest/gtest.h>

#include "shaders/UniformNames.h"

TEST(UniformNamesTest, ExpandsEachPatternForItsOwnIndicesInTableOrder)
{
    const std::vector<std::string> expected = {"gMVP", "gLightMVP[0]", "gLightMVP[1]", "gPointLights[0].Atten.Exp",
                                               "gPointLights[1].Atten.Exp", "gColor"};
    EXPECT_EQ(ExpandUniformNames({{"gMVP"}, {"gLightMVP[%d]", 2}, {"gPointLights[%d].Atten.Exp", 2}, {"gColor"}}),
              expected);
}
