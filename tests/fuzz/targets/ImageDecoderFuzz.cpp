#include "FuzzTargets.h"

#include <FreeImage.h>

#include "textures/ImageDecoder.h"

int FuzzImageDecoder(const uint8_t* data, size_t size)
{
    const DecodedImage image = DecodeImageMemory(data, size);
    if (!image)
        return 0;
    FuzzCheck(image.pixels != nullptr && image.width > 0 && image.height > 0, "a decoded image without pixels");
    FuzzCheck(image.width <= 16384 && image.height <= 16384, "an image larger than any texture");
    FuzzCheck(image.bitsPerPixel == 24 || image.bitsPerPixel == 32, "pixels of a depth that can't be uploaded");
    // Read the first and the last byte that an upload would read; the sanitizer
    // checks them against the decoder's allocation.
    const size_t rowBytes = (size_t(image.width) * image.bitsPerPixel / 8 + 3) / 4 * 4;
    FuzzCheck(FreeImage_GetPitch(image.bitmap.get()) == rowBytes, "rows not padded to 4 bytes");
    const size_t last = rowBytes * (image.height - 1) + size_t(image.width) * image.bitsPerPixel / 8 - 1;
    volatile unsigned char sink = image.pixels[0] ^ image.pixels[last];
    (void)sink;
    return 0;
}
