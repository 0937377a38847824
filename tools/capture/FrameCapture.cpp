#include "FrameCapture.h"

#include <GL/glew.h>

#include "RgbImage.h"

bool WriteBackBufferImage(int width, int height, const std::string& path)
{
    if (width <= 0 || height <= 0)
        return false;
    RgbImage image{width, height, std::vector<unsigned char>(size_t(width) * size_t(height) * 3)};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    return WriteRgbImage(image, path);
}
