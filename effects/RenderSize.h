#pragma once

#include <glm/glm.hpp>

// The render scale's range.
constexpr float kRenderScaleMin = 0.25f;
constexpr float kRenderScaleMax = 1.0f;

// The size the sky, the scene and the post chain are drawn at: the window's
// scaled by `renderScale` (held to 0.25..1), rounded, at least a pixel.
glm::ivec2 RenderSize(int windowWidth, int windowHeight, float renderScale);
