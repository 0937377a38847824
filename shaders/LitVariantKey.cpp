#include "shaders/LitVariantKey.h"

LitVariantKey MakeLitVariantKey(const LightingState& light, bool alphaTested, bool glowing)
{
    return {light.sun, light.moon, light.lamps, alphaTested, glowing};
}

int LitVariantIndex(const LitVariantKey& key)
{
    return (key.sun ? 1 : 0) | (key.moon ? 2 : 0) | (key.lamps ? 4 : 0) | (key.alphaTested ? 8 : 0) |
           (key.glowing ? 16 : 0);
}

std::vector<std::string> LitVariantDefines(const LitVariantKey& key)
{
    std::vector<std::string> defines;
    if (key.sun)
        defines.push_back("LIT_SUN");
    if (key.moon)
        defines.push_back("LIT_MOON");
    if (key.lamps)
        defines.push_back("LIT_LAMPS");
    if (key.alphaTested)
        defines.push_back("LIT_ALPHA_TEST");
    if (key.glowing)
        defines.push_back("LIT_GLOW_MAP");
    return defines;
}
