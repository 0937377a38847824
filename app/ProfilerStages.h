#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <string>
#include <vector>

#include "core/ProfilerMark.h"

// One button of the profiler's stage bar, in window-relative pixels.
struct StageButton
{
    std::string label; // "Render\n5ms (40.0%)"; also the tooltip
    glm::vec4 color;
    float x = 0.0f;
    float width = 0.0f;
};

// One row of the stage table, as shown.
struct StageRow
{
    std::string name;
    std::string elapsed; // "5 ms"
    std::string share;   // "40.0 %"
    glm::vec4 color;
};

struct ProfilerView
{
    std::vector<StageButton> buttons; // stages of no length have none
    std::vector<StageRow> rows;       // every stage, in mark order
};

// Blue through cyan, green and yellow to red as `t` goes from 0 to 1.
glm::vec4 StageColor(float t);

// Fills `elapsed` and `fraction` of every mark after the first and lays the
// stages out over a bar `avail` pixels wide that starts 1.5 indents in.
ProfilerView BuildProfilerView(std::vector<ProfilerMark>& marks, float avail, float indentSpacing);

std::string PolyCountText(int32_t vertexCount);   // "Poly count=3" for 10
std::string VertexCountText(int32_t vertexCount); // "Vertex count=10"
