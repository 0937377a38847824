#pragma once

#include <GL/glew.h>

#include <memory>
#include <string>

struct FIBITMAP;

struct BitmapDeleter
{
    void operator()(FIBITMAP* bitmap) const;
};

// Pixels as the decoder delivers them: bottom row first, blue before red, rows
// padded to 4 bytes (OpenGL's default unpack alignment). Images of any depth
// other than 24 or 32 bits (grey, palette, 16-bit, ...) are converted to 24
// bits, or to 32 when they are transparent, since a core context has no
// luminance upload.
struct DecodedImage
{
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap; // null when decoding failed
    const unsigned char* pixels = nullptr;
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0;
    GLenum pixelFormat = 0; // GL_BGR or GL_BGRA
    bool hasTransparency = false;

    explicit operator bool() const { return bitmap != nullptr; }
};

// The format is found from the file's signature first and from its name second.
// An image wider or taller than 16384 pixels, or of more than 2^26 pixels, is
// refused, where the format allows before its pixels are allocated.
DecodedImage DecodeImage(const std::string& path);

// The same from an image file's bytes; the format comes from the signature alone.
DecodedImage DecodeImageMemory(const unsigned char* data, size_t size);
