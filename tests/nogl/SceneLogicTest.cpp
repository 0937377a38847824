#include <gtest/gtest.h>

#include "scene/SceneAnimation.h"
#include "shaders/PointLightSelection.h"

namespace
{
std::vector<PointLight> LightsAt(const std::vector<glm::vec3>& positions)
{
    std::vector<PointLight> lights(positions.size());
    for (size_t i = 0; i < positions.size(); ++i)
        lights[i].Position = positions[i];
    return lights;
}
}

TEST(PointLightSelection, TakesTheFirstThreeWithinThirtyUnits)
{
    const auto lights = LightsAt({{1, 0, 0}, {0, 2, 0}, {0, 0, 3}, {4, 0, 0}, {5, 0, 0}});
    const PointLightSelection near = SelectPointLights(lights, glm::vec3(0), false);
    EXPECT_EQ(near.count, 3);
    EXPECT_EQ(near.lights, (std::array<int, 3>{0, 1, 2}));

    // Exactly 30 units is out; skipped lights leave no gap in the slots.
    const auto mixed = LightsAt({{30, 0, 0}, {0, 29.9f, 0}, {100, 0, 0}, {0, 0, -10}});
    const PointLightSelection some = SelectPointLights(mixed, glm::vec3(0), false);
    EXPECT_EQ(some.count, 2);
    EXPECT_EQ(some.lights[0], 1);
    EXPECT_EQ(some.lights[1], 3);

    EXPECT_EQ(SelectPointLights(mixed, glm::vec3(500), false).count, 0);
    const PointLightSelection all = SelectPointLights(mixed, glm::vec3(500), true);
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
    EXPECT_EQ(StepTimeOfDay(0.0f, false, false, 0.016f), 0.001f);
    EXPECT_EQ(StepTimeOfDay(45.0f, true, false, 1.0f), 0.001f);
}

TEST(SceneAnimation, SunTravelsDownAtZeroAndAlongXAtNinety)
{
    const glm::vec3 noon = SunDirection(0.0f);
    EXPECT_NEAR(noon.x, 0.0f, 1e-6f);
    EXPECT_NEAR(noon.y, -1.0f, 1e-6f);
    const glm::vec3 dusk = SunDirection(90.0f);
    EXPECT_NEAR(dusk.x, 1.0f, 1e-6f);
    EXPECT_NEAR(dusk.y, 0.0f, 1e-6f);
    for (float t : {-123.0f, 36.5f, 400.0f})
        EXPECT_NEAR(glm::length(SunDirection(t)), 1.0f, 1e-5f);
}

TEST(SceneAnimation, FlickerStaysWithinOneHundredth)
{
    const glm::vec3 base(3.338f, 5.168f, 89.789f);
    for (int r : {0, 1, 16383, 32767})
    {
        const glm::vec3 offset = FlickerPosition(base, r) - base;
        EXPECT_LE(std::abs(offset.x), 0.01f + 1e-5f);
        EXPECT_NEAR(offset.x, offset.y, 1e-5f);
        EXPECT_NEAR(offset.y, offset.z, 1e-5f);
    }
    EXPECT_NEAR((FlickerPosition(base, 0) - base).x, -0.01f, 1e-5f);
    EXPECT_NEAR((FlickerPosition(base, 32767) - base).x, 0.01f, 1e-5f);
}
