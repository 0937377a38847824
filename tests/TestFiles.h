#pragma once

// Small input files made by the tests themselves in a fresh temporary folder,
// and a way to count what the code under test printed.

#include <FreeImage.h>
#include <glm/glm.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// The whole of a file as text; empty when it cannot be read.
inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempDir
{
public:
    explicit TempDir(const std::string& name)
        : root(std::filesystem::temp_directory_path() /
               ("kestrune-" + name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~TempDir() { std::filesystem::remove_all(root); }

    std::string Path(const std::string& relative) const { return (root / relative).string(); }

    std::string Write(const std::string& relative, const std::string& content) const
    {
        const std::filesystem::path file = root / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }

    std::string Read(const std::string& relative) const { return ReadText((root / relative).string()); }

private:
    std::filesystem::path root;
};

// An image whose texel (x, y) has blue x * 10, green y * 10, red 200 (grey x * 10 at
// 8 bits), and alpha `alpha` at 32 bits.
inline bool WriteTestImage(const std::string& path, FREE_IMAGE_FORMAT format, int width, int height, int bpp,
                           unsigned char alpha = 255)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bpp);
    if (bpp == 8)
    {
        RGBQUAD* palette = FreeImage_GetPalette(bitmap);
        for (int i = 0; i < 256; ++i)
            palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = (BYTE)i;
    }
    const int bytesPerPixel = bpp / 8;
    for (int y = 0; y < height; ++y)
    {
        BYTE* row = FreeImage_GetScanLine(bitmap, y);
        for (int x = 0; x < width; ++x)
        {
            BYTE* texel = row + x * bytesPerPixel;
            texel[0] = BYTE(x * 10);
            if (bytesPerPixel >= 3)
            {
                texel[1] = BYTE(y * 10);
                texel[2] = 200;
            }
            if (bytesPerPixel == 4)
                texel[3] = alpha;
        }
    }
    const bool saved = FreeImage_Save(format, bitmap, path.c_str(), 0) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

// A 4 x 4 24-bit image of one colour, channels from 0 to 1.
inline bool WriteSolidImage(const std::string& path, const glm::vec3& colour)
{
    FIBITMAP* bitmap = FreeImage_Allocate(4, 4, 24);
    for (int y = 0; y < 4; ++y)
        for (BYTE* texel = FreeImage_GetScanLine(bitmap, y); texel < FreeImage_GetScanLine(bitmap, y) + 12; texel += 3)
        {
            texel[FI_RGBA_RED] = BYTE(colour.r * 255.0f);
            texel[FI_RGBA_GREEN] = BYTE(colour.g * 255.0f);
            texel[FI_RGBA_BLUE] = BYTE(colour.b * 255.0f);
        }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

inline size_t CountOccurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
