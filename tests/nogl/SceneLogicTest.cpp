#include <gtest/gtest.h>

#include "scene/SceneAnimation.h"
#include "shaders/PointLightSelection.h"

TEST(PointLightSelection, TakesTheFirstThreeWithinThirtyUnits)
{
    std::vector<PointLight> lights(5);
    for (size_t i = 0; i < lights.size(); ++i)
        lights[i].Position = glm::vec3(float(i + 1), 0, 0);
    EXPECT_EQ(SelectPointLights(lights, glm::vec3(0), false).lights, (std::array<int, 3>{0, 1, 2}));

    // Exactly 30 units is out; skipped lights leave no gap in the slots.
    lights[0].Position = {30, 0, 0};
    lights[1].Position = {0, 29.9f, 0};
    lights[2].Position = {100, 0, 0};
    lights[3].Position = {0, 0, -10};
    lights.pop_back();
    const PointLightSelection some = SelectPointLights(lights, glm::vec3(0), false);
    EXPECT_EQ(some.count, 2);
    EXPECT_EQ(some.lights[0], 1);
    EXPECT_EQ(some.lights[1], 3);

    // Far from all of them, only an object lit by every light gets any.
    EXPECT_EQ(SelectPointLights(lights, glm::vec3(500), false).count, 0);
    const PointLightSelection all = SelectPointLights(lights, glm::vec3(500), true);
    EXPECT_EQ(all.count, 3);
    EXPECT_EQ(all.lights, (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(SelectPointLights({}, glm::vec3(0), true).count, 0);
}

TEST(SceneAnimation, TimeOfDayMovesFortyFiveDegreesASecondAndAvoidsZero)
{
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, false, true, 1.0f), 81.5f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, true, false, 0.5f), 14.0f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(36.5f, true, true, 0.5f), 36.5f);
    EXPECT_FLOAT_EQ(StepTimeOfDay(10.0f, true, false, 1.0f), -35.0f); // not wrapped
    EXPECT_EQ(StepTimeOfDay(45.0f, true, false, 1.0f), 0.001f);
}

TEST(SceneAnimation, SunTravelsDownAtZeroAndAlongXAtNinety)
{
    EXPECT_LT(glm::distance(SunDirection(0.0f), glm::vec3(0, -1, 0)), 1e-6f);
    EXPECT_LT(glm::distance(SunDirection(90.0f), glm::vec3(1, 0, 0)), 1e-6f);
    for (float t : {-123.0f, 36.5f, 400.0f})
        EXPECT_NEAR(glm::length(SunDirection(t)), 1.0f, 1e-5f);
}

TEST(SceneAnimation, FlickerStaysWithinOneHundredth)
{
    const glm::vec3 base(3.338f, 5.168f, 89.789f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 0), base - glm::vec3(0.01f)), 1e-5f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 32767), base + glm::vec3(0.01f)), 1e-5f);
    EXPECT_LT(glm::distance(FlickerPosition(base, 16383), base), 1e-4f);
}
