#include "scene/SkyMath.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

const std::vector<SunColorKey> SunColorTable = {
    {80, {1.0f, 1.0f, 1.0f}},          {85, {0.78f, 0.764f, 0.717f}},  {90, {0.717f, 0.639f, 0.69f}},
    {95, {0.568f, 0.396f, 0.486f}},    {110, {0.2f, 0.2f, 0.2f}},      {250, {0.2f, 0.2f, 0.2f}},
    {265, {0.568f, 0.396f, 0.486f}},   {270, {0.717f, 0.639f, 0.69f}}, {275, {0.78f, 0.764f, 0.717f}},
    {280, {1.0f, 1.0f, 1.0f}},
};

glm::vec3 SunColorAt(float timeOfDay)
{
    // Whole degrees in 0..359, reduced in floating point so that any angle, even
    // one beyond the range of int, is safe; an angle that is not a number reads as 0.
    float degrees = std::isfinite(timeOfDay) ? std::fmod(std::trunc(timeOfDay), 360.0f) : 0.0f;
    if (degrees < 0.0f)
        degrees += 360.0f;
    const int t = int(degrees);
    const size_t count = SunColorTable.size();
    size_t upper = 0;
    while (upper < count && t > SunColorTable[upper].degrees)
        ++upper;
    if (upper == count)
        upper = 0;
    const SunColorKey& hi = SunColorTable[upper];
    const SunColorKey& lo = SunColorTable[(upper + count - 1) % count];
    float lowKey = float(lo.degrees);
    if (lo.degrees > hi.degrees)
        lowKey -= 360.0f;
    const float f = std::clamp((float(t) - lowKey) / (float(hi.degrees) - lowKey), 0.0f, 1.0f);
    return lo.color + (hi.color - lo.color) * f;
}

std::vector<glm::vec3> StarDirections(int twist)
{
    const double goldenAngle = 3.14159265358979323846 * (3.0 - std::sqrt(5.0));
    std::vector<glm::vec3> directions;
    for (int i = 0; i < 100; ++i)
    {
        const float y = float(i) * 0.02f - 1.0f + 0.01f;
        const float rho = std::sqrt(1.0f - y * y);
        const int k = int(float(i) + float(twist) / 32767.0f * 100.0f) % 100;
        const double phi = double(k) * goldenAngle;
        directions.emplace_back(float(std::cos(phi)) * rho, y, float(std::sin(phi)) * rho);
    }
    return directions;
}

glm::vec3 EulerAnglesFromMatrix(const std::array<float, 9>& m)
{
    const float epsilon = 1.1920929e-7f;
    const float halfPi = 1.57079632679f;
    if (std::abs(m[2] + 1.0f) < epsilon)
        return {0.0f, halfPi, std::atan2(m[3], m[6])};
    if (std::abs(m[2] - 1.0f) < epsilon)
        return {0.0f, -halfPi, std::atan2(-m[3], -m[6])};
    const float a0 = -std::asin(m[2]);
    const float c = std::cos(a0);
    return {a0, std::atan2(m[5] / c, m[8] / c), std::atan2(m[1] / c, m[0] / c)};
}

glm::vec3 FacingRotation(const glm::vec3& position)
{
    const glm::mat4 look = glm::lookAt(glm::vec3(0.0f), -position, glm::vec3(-1.0f, 0.0f, 0.0f));
    std::array<float, 9> m;
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row)
            m[size_t(col * 3 + row)] = look[col][row];
    const glm::vec3 radians = EulerAnglesFromMatrix(m);
    const double pi = 3.14159265358979323846;
    return glm::vec3(float((radians.x * 180.0f) / pi), float((radians.y * 180.0f) / pi),
                     float((radians.z * 180.0f) / pi));
}

float StarVisibility(float height, float timeOfDay)
{
    const float h = std::clamp((height - 0.2f) / (0.4f - 0.2f), 0.0f, 1.0f);
    const float n = std::clamp((-std::cos(timeOfDay * 0.017453292f) - 0.05f) / 0.95f, 0.0f, 1.0f);
    return h * n;
}
