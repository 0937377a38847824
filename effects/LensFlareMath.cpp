#include "effects/LensFlareMath.h"

#include <cmath>

glm::ivec2 LensFlareSmallSize(int windowWidth, int windowHeight)
{
    return glm::ivec2(int(float(windowWidth) * 0.125f), int(float(windowHeight) * 0.125f));
}

float StarburstAngle(const Matrix4& view)
{
    return view.m[2][0] + view.m[1][1];
}

glm::mat3 StarburstMatrix(float angle)
{
    // glm::mat3 takes its arguments column by column.
    const glm::mat3 toCentred(2.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, -1.0f, -1.0f, 1.0f);
    const float c = std::cos(angle), s = std::sin(angle);
    const glm::mat3 rotation(c, -s, 0.0f, s, c, 0.0f, 0.0f, 0.0f, 1.0f);
    const glm::mat3 fromCentred(0.5f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.5f, 0.5f, 1.0f);
    return fromCentred * rotation * toCentred;
}
