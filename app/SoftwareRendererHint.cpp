#include "app/SoftwareRendererHint.h"

#include <algorithm>
#include <cctype>

std::string SoftwareRendererHint(const char* renderer)
{
    if (renderer == nullptr)
        return "";
    const std::string name = renderer;
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    bool software = false;
    for (const char* cpuRenderer : {"llvmpipe", "softpipe", "lavapipe"})
        software = software || lower.find(cpuRenderer) != std::string::npos;
    if (!software)
        return "";
    return "OpenGL runs on the CPU here (" + name +
           "): for an interactive frame rate pick the preset Fast, or Auto, under Quality in the Info window";
}
