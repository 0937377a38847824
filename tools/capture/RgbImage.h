#pragma once

#include <optional>
#include <string>
#include <vector>

// 8-bit RGB pixels with rows bottom-up, the order GL reads them in.
struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // width * height * 3
};

// Float RGB texels (rows bottom-up) to 8 bits: clamped to 0..1, or, with
// `fillRange`, scaled so that their lowest..highest value becomes 0..1, with
// anything below 0 taken as 0.
RgbImage RgbImageFromFloats(int width, int height, const std::vector<float>& texels, bool fillRange);

// Reads an image file through the texture decoder (its formats and size limits)
// into 8-bit RGB, alpha dropped; nothing when the decoder refuses it.
std::optional<RgbImage> ReadRgbImage(const std::string& path);

// Writes the image top row first: a JPEG when the path ends in ".jpg" or
// ".jpeg", else a PNG. False when it can't be written.
bool WriteRgbImage(const RgbImage& image, const std::string& path);
