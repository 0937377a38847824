#pragma once

#include <vector>

#include <glm/glm.hpp>

// The height field of the snow landscape: rolling hills that rise into a ring
// of mountains towards the horizon, flattened into a clearing at the origin
// and into a level pad under the foot of every lantern.
class CTerrain
{
public:
    CTerrain();

    float Height(float x, float z) const;
    // Grid line coordinates along either axis: fine near the clearing, coarser
    // far away, from -Extent to +Extent.
    const std::vector<float>& GridLines() const { return lines; }

    // Grid spacing at a coordinate along either axis.
    static float Spacing(float coordinate);

    static constexpr float Extent = 640.0f;

private:
    struct Pad
    {
        glm::vec2 center;
        float height;
        float flatRadius;
        float blendRadius;
    };

    static float NaturalHeight(float x, float z);
    void AddPad(glm::vec2 center, float height, float flatRadius);

    std::vector<float> lines;
    std::vector<Pad> pads;
};
