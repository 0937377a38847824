#include "textures/ImageDecoder.h"

#include <FreeImage.h>

#include <cstdio>
#include <functional>

#include "core/ResourcePath.h"

void BitmapDeleter::operator()(FIBITMAP* bitmap) const
{
    FreeImage_Unload(bitmap);
}

namespace
{
using BitmapPtr = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// The largest side a texture may have on the drivers Kestrune runs on, and a
// pixel count (256 MiB at 32 bits) beyond which an image is taken for damaged.
const unsigned kMaxImageSide = 16384;
const unsigned long long kMaxImagePixels = 1ull << 26;

bool PlausibleSize(unsigned width, unsigned height)
{
    return width <= kMaxImageSide && height <= kMaxImageSide &&
           (unsigned long long)width * height <= kMaxImagePixels;
}

// The formats textures come in. The decoder library reads many more (icons,
// camera raw, fax, ...), and some of those readers write past their buffers
// on damaged files; they are not offered the bytes at all.
bool TextureFormat(FREE_IMAGE_FORMAT format)
{
    switch (format)
    {
    case FIF_PNG:
    case FIF_JPEG:
    case FIF_BMP:
    case FIF_TARGA:
    case FIF_TIFF:
    case FIF_GIF:
    case FIF_PSD:
    case FIF_DDS:
    case FIF_HDR:
    case FIF_EXR:
        return true;
    default:
        return false;
    }
}

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

// Reads the header first where the format allows, so that an image declaring
// more pixels than any texture may hold is refused before its pixels are allocated.
BitmapPtr LoadChecked(FREE_IMAGE_FORMAT format, const std::function<FIBITMAP*(int flags)>& load)
{
    if (!TextureFormat(format) || !FreeImage_FIFSupportsReading(format))
        return nullptr;
    if (FreeImage_FIFSupportsNoPixels(format))
    {
        const BitmapPtr header(load(FIF_LOAD_NOPIXELS));
        if (!header || !PlausibleSize(FreeImage_GetWidth(header.get()), FreeImage_GetHeight(header.get())))
            return nullptr;
    }
    return BitmapPtr(load(0));
}

DecodedImage Describe(BitmapPtr bitmap)
{
    DecodedImage image;
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
    if (!image.pixels || image.width == 0 || image.height == 0 || !PlausibleSize(image.width, image.height))
        return DecodedImage();
    image.bitmap = std::move(bitmap);
    return image;
}
}

DecodedImage DecodeImage(const std::string& path)
{
    const std::string localPath = ResolveResourcePath(path);
    const FREE_IMAGE_FORMAT format = DetectFormat(localPath);
    return Describe(
        LoadChecked(format, [&localPath, format](int flags) { return FreeImage_Load(format, localPath.c_str(), flags); }));
}

DecodedImage DecodeImageMemory(const unsigned char* data, size_t size)
{
    if (data == nullptr || size == 0 || size > 0xffffffffu)
        return DecodedImage();
    FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), DWORD(size));
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileTypeFromMemory(memory, 0);
    DecodedImage image = Describe(LoadChecked(format, [memory, format](int flags) {
        FreeImage_SeekMemory(memory, 0, SEEK_SET);
        return FreeImage_LoadFromMemory(format, memory, flags);
    }));
    FreeImage_CloseMemory(memory);
    return image;
}
