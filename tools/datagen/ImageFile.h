#pragma once

#include <string>

class CImage;

// How an image is stored. Opaque images are written with 24 bits per pixel
// and sprites with 32 (the renderer keeps alpha only for images the decoder
// calls transparent); nothing is written with 8 bits, which the renderer
// would hand to OpenGL as a luminance format that core profiles lack.
enum class ImageFormat
{
    PngRgb,
    PngRgba,
    Jpeg,
};

bool SaveImage(const CImage& image, const std::string& path, ImageFormat format);
