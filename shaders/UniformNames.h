#pragma once

#include <string>
#include <vector>

// One entry of a program's table of uniform names: a plain name, or a pattern
// with one "%d" that stands for the indices 0 to indexCount - 1.
struct UniformName
{
    const char* name;
    int indexCount = 0;
};

using UniformTable = std::vector<UniformName>;

// The names a table registers, in table order, each pattern with all its indices.
std::vector<std::string> ExpandUniformNames(const UniformTable& table);
