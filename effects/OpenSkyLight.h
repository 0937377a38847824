#pragma once

#include <glm/glm.hpp>

#include "core/Lights.h"

// The light that falls on level ground in the open from the sun, the moon and
// the sky (no lamps), worked out as the lit surfaces work it out from the same
// directional light: by day mostly the sun, at night the moon and a dim blue
// sky. It lights the snowflakes, so that they fade with the day like the snow
// they fall on.
glm::vec3 OpenSkyLight(const DirectionalLight& sun);
