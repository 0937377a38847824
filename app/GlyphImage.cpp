#include "app/GlyphImage.h"

#include <cstddef>

int PowerOfTwoAtLeast(int size)
{
    int power = 1;
    while (power < size)
        power *= 2;
    return power;
}

GlyphImage FlipGlyphBitmap(const GlyphBitmap& bitmap)
{
    GlyphImage image;
    const bool empty = bitmap.pixels == nullptr || bitmap.width <= 0 || bitmap.rows <= 0;
    const int width = empty ? 0 : bitmap.width;
    const int rows = empty ? 0 : bitmap.rows;
    image.width = PowerOfTwoAtLeast(width);
    image.height = PowerOfTwoAtLeast(rows);
    image.texels.assign(size_t(image.width) * size_t(image.height), 0);
    for (int y = 0; y < rows; ++y)
    {
        const uint8_t* source = bitmap.pixels + ptrdiff_t(rows - 1 - y) * bitmap.pitch;
        uint8_t* target = image.texels.data() + size_t(y) * size_t(image.width);
        for (int x = 0; x < width; ++x)
            target[x] = source[x];
    }
    return image;
}

std::array<float, 16> GlyphQuad(int width, int height, int descent)
{
    const float w = float(width);
    const float top = float(height - descent);
    const float bottom = float(-descent);
    return {0.0f, top, 0.0f, 1.0f, 0.0f, bottom, 0.0f, 0.0f, w, top, 1.0f, 1.0f, w, bottom, 1.0f, 0.0f};
}
