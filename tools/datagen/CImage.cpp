#include "CImage.h"

#include <algorithm>
#include <cmath>

CImage::CImage(int width, int height, glm::vec4 fill)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height, fill)
{
}

void CImage::Fill(const std::function<glm::vec4(float s, float t)>& shader)
{
    for (int y = 0; y < height; ++y)
    {
        const float t = 1.0f - (y + 0.5f) / height;
        for (int x = 0; x < width; ++x)
            At(x, y) = shader((x + 0.5f) / width, t);
    }
}

CImage CImage::Shrunk(int newWidth, int newHeight) const
{
    CImage result(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y)
    {
        const int y0 = y * height / newHeight;
        const int y1 = std::max(y0 + 1, (y + 1) * height / newHeight);
        for (int x = 0; x < newWidth; ++x)
        {
            const int x0 = x * width / newWidth;
            const int x1 = std::max(x0 + 1, (x + 1) * width / newWidth);
            glm::vec4 sum(0.0f);
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx)
                    sum += At(sx, sy);
            result.At(x, y) = sum / static_cast<float>((x1 - x0) * (y1 - y0));
        }
    }
    return result;
}
