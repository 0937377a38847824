#pragma once

#include <functional>
#include <vector>

#include <glm/glm.hpp>

// An RGBA float image, row 0 at the top as the picture is viewed. Texture
// coordinate t runs the other way: t = 0 is the bottom row, as the renderer
// sees an image that the decoder hands over bottom row first.
class CImage
{
public:
    CImage(int width, int height, glm::vec4 fill = glm::vec4(0, 0, 0, 1));

    int Width() const { return width; }
    int Height() const { return height; }
    glm::vec4& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const glm::vec4& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    // Calls shader(s, t) at every pixel centre, with (s, t) texture coordinates.
    void Fill(const std::function<glm::vec4(float s, float t)>& shader);

    // Box-filtered copy at a smaller size (the contact sheet's thumbnails).
    CImage Shrunk(int newWidth, int newHeight) const;

private:
    int width;
    int height;
    std::vector<glm::vec4> pixels;
};
