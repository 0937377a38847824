#include "ImageFile.h"

#include <algorithm>
#include <cstdint>

#include <FreeImage.h>

#include "CImage.h"

namespace
{
uint8_t ToByte(float value)
{
    return static_cast<uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
}

FIBITMAP* ToBitmap(const CImage& image, bool alpha)
{
    const int bpp = alpha ? 32 : 24;
    FIBITMAP* bitmap = FreeImage_Allocate(image.Width(), image.Height(), bpp);
    if (!bitmap)
        return nullptr;
    const int step = bpp / 8;
    for (int y = 0; y < image.Height(); ++y)
    {
        // FreeImage scan line 0 is the bottom row of the picture.
        BYTE* line = FreeImage_GetScanLine(bitmap, image.Height() - 1 - y);
        for (int x = 0; x < image.Width(); ++x)
        {
            const glm::vec4& c = image.At(x, y);
            BYTE* px = line + x * step;
            px[FI_RGBA_RED] = ToByte(c.r);
            px[FI_RGBA_GREEN] = ToByte(c.g);
            px[FI_RGBA_BLUE] = ToByte(c.b);
            if (alpha)
                px[FI_RGBA_ALPHA] = ToByte(c.a);
        }
    }
    return bitmap;
}
} // namespace

bool SaveImage(const CImage& image, const std::string& path, ImageFormat format)
{
    FIBITMAP* bitmap = ToBitmap(image, format == ImageFormat::PngRgba);
    if (!bitmap)
        return false;
    const bool jpeg = format == ImageFormat::Jpeg;
    const BOOL saved = FreeImage_Save(jpeg ? FIF_JPEG : FIF_PNG, bitmap, path.c_str(),
                                      jpeg ? JPEG_QUALITYSUPERB : PNG_DEFAULT);
    FreeImage_Unload(bitmap);
    return saved == TRUE;
}
