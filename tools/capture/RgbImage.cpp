#include "RgbImage.h"

#include <FreeImage.h>
#include <algorithm>

#include "textures/ImageDecoder.h"

RgbImage RgbImageFromFloats(int width, int height, const std::vector<float>& texels, bool fillRange)
{
    float low = 0.0f;
    float high = 1.0f;
    if (fillRange && !texels.empty())
    {
        const auto [lowest, highest] = std::minmax_element(texels.begin(), texels.end());
        low = std::max(*lowest, 0.0f); // the snowflakes' marks, below 0, show black
        high = *highest;
    }
    const float scale = high > low ? 1.0f / (high - low) : 0.0f;

    RgbImage image{width, height, {}};
    image.pixels.reserve(texels.size());
    for (const float texel : texels)
        image.pixels.push_back((unsigned char)(std::clamp((texel - low) * scale, 0.0f, 1.0f) * 255.0f + 0.5f));
    return image;
}

namespace
{
bool EndsWith(const std::string& text, const char* suffix)
{
    const std::string end(suffix);
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
}

bool WriteRgbImage(const RgbImage& image, const std::string& path)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != size_t(image.width) * image.height * 3)
        return false;
    // FreeImage's scan lines run bottom-up too, with its own channel order.
    FIBITMAP* bitmap = FreeImage_Allocate(image.width, image.height, 24);
    if (bitmap == nullptr)
        return false;
    for (int y = 0; y < image.height; ++y)
    {
        BYTE* out = FreeImage_GetScanLine(bitmap, y);
        const unsigned char* in = image.pixels.data() + size_t(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x, in += 3, out += 3)
        {
            out[FI_RGBA_RED] = in[0];
            out[FI_RGBA_GREEN] = in[1];
            out[FI_RGBA_BLUE] = in[2];
        }
    }
    const bool jpeg = EndsWith(path, ".jpg") || EndsWith(path, ".jpeg");
    const bool saved = FreeImage_Save(jpeg ? FIF_JPEG : FIF_PNG, bitmap, path.c_str(),
                                      jpeg ? JPEG_QUALITYGOOD : PNG_DEFAULT) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

std::optional<RgbImage> ReadRgbImage(const std::string& path)
{
    const DecodedImage decoded = DecodeImage(path);
    if (!decoded)
        return std::nullopt;
    RgbImage image{int(decoded.width), int(decoded.height), {}};
    image.pixels.reserve(size_t(image.width) * image.height * 3);
    const unsigned bytes = decoded.bitsPerPixel / 8;
    for (int y = 0; y < image.height; ++y)
    {
        const BYTE* in = FreeImage_GetScanLine(decoded.bitmap.get(), y);
        for (int x = 0; x < image.width; ++x, in += bytes)
            image.pixels.insert(image.pixels.end(), {in[FI_RGBA_RED], in[FI_RGBA_GREEN], in[FI_RGBA_BLUE]});
    }
    return image;
}
