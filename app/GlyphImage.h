#pragma once

#include <array>
#include <cstdint>
#include <vector>

// An 8-bit coverage bitmap as the font rasteriser hands it over, top row first.
struct GlyphBitmap
{
    const uint8_t* pixels = nullptr;
    int width = 0;
    int rows = 0;
    int pitch = 0; // bytes from one row to the next
};

// A power-of-two texture image holding a glyph upside down in its lower-left
// corner, so that its first row is the glyph's bottom row.
struct GlyphImage
{
    int width = 1;
    int height = 1;
    std::vector<uint8_t> texels;
};

// The smallest power of two not below `size` (1 for 0 and 1).
int PowerOfTwoAtLeast(int size);

GlyphImage FlipGlyphBitmap(const GlyphBitmap& bitmap);

// Four triangle-strip vertices (x, y, u, v) covering a width x height texture,
// lowered by `descent` so that the baseline sits at y = 0.
std::array<float, 16> GlyphQuad(int width, int height, int descent);
