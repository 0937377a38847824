#include <gtest/gtest.h>

#include "shaders/PointLightSelection.h"

TEST(PointLightSelectionTest, TakesTheFirstThreeWithinThirtyUnits)
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
