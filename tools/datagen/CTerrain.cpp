#include "CTerrain.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "SceneLayout.h"

CTerrain::CTerrain()
{
    std::vector<float> positive;
    for (float t = 0.0f; t < Extent; t += Spacing(t))
        positive.push_back(t);
    positive.back() = Extent;
    for (size_t i = positive.size(); i-- > 1;)
        lines.push_back(-positive[i]);
    lines.insert(lines.end(), positive.begin(), positive.end());

    AddPad(glm::vec2(0.0f), 0.0f, ClearingRadius);
    pads.back().blendRadius = ClearingRadius + 50.0f;
    // A pad must cover the whole grid cell around the foot, so that every
    // triangle under the lantern lies flat at the lantern's height.
    auto addFoot = [this](glm::vec3 object, glm::vec3 foot) {
        const glm::vec2 c(object.x + foot.x, object.z + foot.z);
        const float cell = glm::length(glm::vec2(Spacing(c.x), Spacing(c.y)));
        AddPad(c, object.y, 1.25f * cell + 2.5f);
    };
    for (const glm::vec3& object : LanternObjects)
        addFoot(object, LanternFoot);
    for (const glm::vec3& object : Lantern2Objects)
        addFoot(object, Lantern2Foot);
}

float CTerrain::Spacing(float coordinate)
{
    return 1.6f + 0.045f * std::max(0.0f, std::fabs(coordinate) - 20.0f);
}

void CTerrain::AddPad(glm::vec2 center, float height, float flatRadius)
{
    pads.push_back(Pad{center, height, flatRadius, flatRadius + 25.0f});
}

float CTerrain::NaturalHeight(float x, float z)
{
    const glm::vec2 p(x, z);
    const float r = glm::length(p);
    const float hills = 9.0f * Fbm(p / 230.0f, glm::ivec2(0), 4, 11u) + 2.5f * Fbm(p / 55.0f, glm::ivec2(0), 3, 12u);
    const float ridge = 1.0f - std::fabs(Fbm(p / 160.0f, glm::ivec2(0), 3, 13u, 0.45f));
    const float rise = std::pow(Smoothstep(170.0f, 700.0f, r), 1.5f);
    return 4.0f + hills + rise * (45.0f + 110.0f * ridge * ridge);
}

float CTerrain::Height(float x, float z) const
{
    float h = NaturalHeight(x, z);
    for (const Pad& pad : pads)
    {
        const float d = glm::length(glm::vec2(x, z) - pad.center);
        h = glm::mix(h, pad.height, 1.0f - Smoothstep(pad.flatRadius, pad.blendRadius, d));
    }
    return h;
}
