#pragma once

#include <glm/glm.hpp>

// The size the sky, the scene and the post chain are drawn at: the window's
// scaled by `renderScale` (held to 0.25..1), rounded, at least a pixel.
glm::ivec2 RenderSize(int windowWidth, int windowHeight, float renderScale);
