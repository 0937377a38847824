#include "TextureDump.h"

#include <GL/glew.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "RgbImage.h"

namespace
{
// Holds view depth / 725, far too dark to see without stretching.
const char* const depthKey = "Depth texture";

// Level 0 of a 2D texture as 8-bit RGB; nothing when it can't be read.
std::optional<RgbImage> ReadTexture(GLuint texture, bool fillRange)
{
    // Errors left by earlier stages are not this texture's.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (glGetError() != GL_NO_ERROR || width <= 0 || height <= 0)
        return std::nullopt;
    std::vector<float> texels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_FLOAT, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return RgbImageFromFloats(width, height, texels, fillRange);
}

bool DumpTexture(const std::string& key, GLuint texture, const std::filesystem::path& dir)
{
    const std::string path = (dir / TextureFileName(key)).string();
    const std::optional<RgbImage> image = ReadTexture(texture, key == depthKey);
    if (!image || !WriteRgbImage(*image, path))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", path.c_str());
        return false;
    }
    std::printf("Wrote %s\n", path.c_str());
    return true;
}
}

std::string TextureFileName(const std::string& key)
{
    std::string name = key;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name + ".png";
}

bool DumpRenderTextures(const std::map<std::string, int32_t>& textures, const std::string& dir)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir, error))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", dir.c_str());
        return false;
    }
    bool allWritten = true;
    for (const auto& [key, texture] : textures)
        if (key != "None" && glIsTexture(GLuint(texture)))
            allWritten = DumpTexture(key, GLuint(texture), dir) && allWritten;
    return allWritten;
}

