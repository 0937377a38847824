#pragma once

#include <cstdint>
#include <string>

struct ProfilerMark
{
    std::string name;
    int32_t clock = 0;      // ms, when the mark was added
    float fraction = 0.0f;  // share of the frame taken by the stage ending here
    int32_t elapsed = 0;    // ms, duration of that stage
};
