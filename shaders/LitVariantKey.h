#pragma once

#include <string>
#include <vector>

#include "core/LightingState.h"

// What one lit draw needs: the frame's light (the sun, the moon, the lamps),
// whether its surface has holes that the fragment stage must cut (an alpha
// test turns off early depth testing, so only draws that need one pay for it)
// and whether any of its materials glows (a glow map is one more filtered read
// per fragment, and only the lanterns' windows and candles have one).
struct LitVariantKey
{
    bool sun = true;
    bool moon = true;
    bool lamps = true;
    bool alphaTested = true;
    bool glowing = true;
};

constexpr int kLitVariantCount = 32;
// The key with every term: the variant that the others leave parts of out.
constexpr LitVariantKey kFullLitVariant{};

LitVariantKey MakeLitVariantKey(const LightingState& light, bool alphaTested, bool glowing);
// 0 .. kLitVariantCount - 1, one per key.
int LitVariantIndex(const LitVariantKey& key);
// The defines the lit shader's stages are compiled with: "LIT_SUN",
// "LIT_MOON", "LIT_LAMPS", "LIT_ALPHA_TEST" and "LIT_GLOW_MAP", for the parts
// the key keeps.
std::vector<std::string> LitVariantDefines(const LitVariantKey& key);
