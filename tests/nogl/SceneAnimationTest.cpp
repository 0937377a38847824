#include <gtest/gtest.h>

#include "scene/SceneAnimation.h"

TEST(SceneAnimationTest, TimeOfDayMovesFortyFiveDegreesASecondAndAvoidsZero)
{
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, false, true, 1.0f), 81.5f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, true, false, 0.5f), 14.0f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, true, true, 0.5f), 36.5f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(10.0f, true, false, 1.0f), -35.0f); // not wrapped
    EXPECT_EQ(StepTimeOfDay(45.0f, true, false, 1.0f), 0.001f);
}

TEST(SceneAnimationTest, SunTravelsDownAtZeroAndAlongXAtNinety)
{
    EXPECT_LT(glm::distance(SunDirection(0.0f), glm::vec3(0, -1, 0)), 1e-6f);
    EXPECT_LT(glm::distance(SunDirection(90.0f), glm::vec3(1, 0, 0)), 1e-6f);
    for (float t : {-123.0f, 36.5f, 400.0f})
        EXPECT_NEAR(glm::length(SunDirection(t)), 1.0f, 1e-5f);
}

TEST(SceneAnimationTest, FlickerStaysWithinOneHundredth)
{
    const glm::vec3 base(3.338f, 5.168f, 89.789f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 0), base - glm::vec3(0.01f)), 1e-5f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 32767), base + glm::vec3(0.01f)), 1e-5f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 16383), base), 1e-4f);
}
