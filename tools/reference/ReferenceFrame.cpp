#include "ReferenceFrame.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

PixelRect ComparedRegion(const std::optional<PixelRect>& crop, int width, int height)
{
    return crop.value_or(PixelRect{0, 0, width, height});
}

RgbImage ReferenceForm(const RgbImage& capture, const PixelRect& region)
{
    return HalvedImage(CroppedImage(capture, region));
}

std::vector<PixelRect> ReferenceMasks(const std::vector<PixelRect>& windowMasks, const PixelRect& region)
{
    std::vector<PixelRect> masks;
    for (PixelRect mask : windowMasks)
    {
        mask.x -= region.x;
        mask.y -= region.y;
        masks.push_back(HalvedRect(mask));
    }
    return masks;
}

std::optional<RgbImage> LoadReference(const std::string& path, int width, int height, std::string& problem)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
    {
        problem = "missing reference " + path;
        return std::nullopt;
    }
    std::optional<RgbImage> image = ReadRgbImage(path);
    if (!image)
    {
        problem = "unreadable reference " + path;
        return std::nullopt;
    }
    if (image->width != width / 2 || image->height != height / 2)
    {
        problem = "reference " + path + " is " + std::to_string(image->width) + " x " +
                  std::to_string(image->height) + ", not " + std::to_string(width / 2) + " x " +
                  std::to_string(height / 2);
        return std::nullopt;
    }
    return image;
}

bool WriteImageWhole(const RgbImage& image, const std::string& path)
{
    const std::string partial = path + ".partial-" + std::to_string(::getpid()) + ".png";
    std::error_code error;
    if (!WriteRgbImage(image, partial))
    {
        std::filesystem::remove(partial, error);
        return false;
    }
    std::filesystem::rename(partial, path, error);
    if (error)
        std::filesystem::remove(partial, error);
    return !error;
}
