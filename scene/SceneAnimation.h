#pragma once

#include <glm/glm.hpp>

// Moves the time of day by 45 degrees a second while Z (down) or X (up) is
// held. It is neither wrapped nor clamped; exactly 0 becomes 0.001 so the sun
// never points exactly along the up axis.
float StepTimeOfDay(float timeOfDay, bool zHeld, bool xHeld, float deltaTime);

// Direction in which sunlight travels: straight down at 0 degrees, along +x at 90.
glm::vec3 SunDirection(float timeOfDay);

// A lantern light's position jittered by one random value in [0, 32767]:
// the same offset of at most +-0.01 on every axis.
glm::vec3 FlickerPosition(const glm::vec3& base, int randomValue);
