#pragma once

#include <array>
#include <glm/glm.hpp>
#include <vector>

#include "core/Lights.h"
#include "core/LitBindings.h"

struct PointLightSelection
{
    std::array<int, kMaxPointLightsPerDraw> lights = {}; // indices into the light list, slot order
    int count = 0;
};

// Walks the lights in order and takes those closer than 30 units to the
// object (all of them, up to three, when `allLights` is set).
PointLightSelection SelectPointLights(const std::vector<PointLight>& pointLights, const glm::vec3& objectPosition,
                                      bool allLights);
