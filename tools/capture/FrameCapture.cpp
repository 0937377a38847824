#include "FrameCapture.h"

#include <FreeImage.h>
#include <GL/glew.h>
#include <vector>

bool WriteBackBufferPng(int width, int height, const std::string& path)
{
    if (width <= 0 || height <= 0)
        return false;
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());

    // GL rows run bottom-up, as FreeImage's do.
    FIBITMAP* image = FreeImage_ConvertFromRawBits(pixels.data(), width, height, width * 3, 24, FI_RGBA_RED_MASK,
                                                   FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, FALSE);
    if (image == nullptr)
        return false;
    const bool saved = FreeImage_Save(FIF_PNG, image, path.c_str(), PNG_DEFAULT) != FALSE;
    FreeImage_Unload(image);
    return saved;
}
