#include "textures/ImageDecoder.h"

#include <FreeImage.h>

#include "core/ResourcePath.h"

void BitmapDeleter::operator()(FIBITMAP* bitmap) const
{
    FreeImage_Unload(bitmap);
}

namespace
{
using BitmapPtr = std::unique_ptr<FIBITMAP, BitmapDeleter>;

FREE_IMAGE_FORMAT DetectFormat(const std::string& localPath)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(localPath.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(localPath.c_str());
    return format;
}

// Brings the image to 24 or 32 bits per pixel; null when it cannot be converted.
BitmapPtr ToUploadableDepth(BitmapPtr bitmap)
{
    const unsigned depth = FreeImage_GetBPP(bitmap.get());
    if (FreeImage_GetImageType(bitmap.get()) == FIT_BITMAP && (depth == 24 || depth == 32))
        return bitmap;
    if (FreeImage_IsTransparent(bitmap.get()))
        return BitmapPtr(FreeImage_ConvertTo32Bits(bitmap.get()));
    return BitmapPtr(FreeImage_ConvertTo24Bits(bitmap.get()));
}
}

DecodedImage DecodeImage(const std::string& path)
{
    DecodedImage image;
    const std::string localPath = ResolveResourcePath(path);
    const FREE_IMAGE_FORMAT format = DetectFormat(localPath);
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return image;

    BitmapPtr bitmap(FreeImage_Load(format, localPath.c_str(), 0));
    if (!bitmap || !FreeImage_HasPixels(bitmap.get()))
        return image;
    bitmap = ToUploadableDepth(std::move(bitmap));
    if (!bitmap)
        return image;

    image.pixels = FreeImage_GetBits(bitmap.get());
    image.width = FreeImage_GetWidth(bitmap.get());
    image.height = FreeImage_GetHeight(bitmap.get());
    image.bitsPerPixel = FreeImage_GetBPP(bitmap.get());
    image.pixelFormat = image.bitsPerPixel == 32 ? GL_BGRA : GL_BGR;
    image.hasTransparency = FreeImage_IsTransparent(bitmap.get()) != FALSE;
    if (!image.pixels || image.width == 0 || image.height == 0)
        return DecodedImage();
    image.bitmap = std::move(bitmap);
    return image;
}
