#include "effects/RenderSize.h"

#include <algorithm>
#include <cmath>

glm::ivec2 RenderSize(int windowWidth, int windowHeight, float renderScale)
{
    const float scale = std::clamp(std::isfinite(renderScale) ? renderScale : 1.0f, kRenderScaleMin, kRenderScaleMax);
    const auto scaled = [scale](int side) { return std::max(1, int(std::lround(float(side) * scale))); };
    return {scaled(windowWidth), scaled(windowHeight)};
}
