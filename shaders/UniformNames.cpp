#include "shaders/UniformNames.h"

std::vector<std::string> ExpandUniformNames(const UniformTable& table)
{
    std::vector<std::string> names;
    for (const UniformName& entry : table)
    {
        const std::string name = entry.name;
        const size_t marker = name.find("%d");
        if (marker == std::string::npos)
        {
            names.push_back(name);
            continue;
        }
        for (int index = 0; index < entry.indexCount; ++index)
            names.push_back(std::string(name).replace(marker, 2, std::to_string(index)));
    }
    return names;
}
