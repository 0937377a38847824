#include "ImageComparison.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Which pixels are compared, rows bottom-up as in RgbImage.
std::vector<bool> ComparedPixels(int width, int height, const std::vector<PixelRect>& masks)
{
    std::vector<bool> compared(size_t(width) * height, true);
    for (const PixelRect& mask : masks)
        for (int top = std::max(mask.y, 0); top < std::min(mask.y + mask.height, height); ++top)
            for (int x = std::max(mask.x, 0); x < std::min(mask.x + mask.width, width); ++x)
                compared[size_t(height - 1 - top) * width + x] = false;
    return compared;
}
}

ImageDifference CompareImages(const RgbImage& expected, const RgbImage& actual, const std::vector<PixelRect>& masks,
                              int threshold)
{
    ImageDifference difference;
    const std::vector<bool> compared = ComparedPixels(expected.width, expected.height, masks);
    long total = 0;
    long over = 0;
    const int blocksAcross = (expected.width + blockSize - 1) / blockSize;
    const int blocksDown = (expected.height + blockSize - 1) / blockSize;
    std::vector<int> blockCompared(size_t(blocksAcross) * blocksDown, 0);
    std::vector<int> blockOver(blockCompared.size(), 0);
    for (size_t pixel = 0; pixel < compared.size(); ++pixel)
    {
        if (!compared[pixel])
            continue;
        const size_t block = size_t(int(pixel) / expected.width / blockSize) * blocksAcross +
                             size_t(int(pixel) % expected.width / blockSize);
        int worst = 0;
        for (size_t c = pixel * 3; c < pixel * 3 + 3; ++c)
        {
            const int channel = std::abs(int(expected.pixels[c]) - int(actual.pixels[c]));
            total += channel;
            worst = std::max(worst, channel);
        }
        over += worst > threshold ? 1 : 0;
        blockOver[block] += worst > threshold ? 1 : 0;
        ++blockCompared[block];
        difference.largest = std::max(difference.largest, worst);
        ++difference.compared;
    }
    if (difference.compared > 0)
    {
        difference.meanAbsolute = double(total) / (3.0 * double(difference.compared));
        difference.percentOver = 100.0 * double(over) / double(difference.compared);
    }
    for (size_t block = 0; block < blockCompared.size(); ++block)
        if (blockCompared[block] > 0)
            difference.worstBlockPercent = std::max(difference.worstBlockPercent,
                                                    100.0 * blockOver[block] / blockCompared[block]);
    return difference;
}

RgbImage AmplifiedDifference(const RgbImage& expected, const RgbImage& actual, const std::vector<PixelRect>& masks,
                             int gain)
{
    RgbImage image{expected.width, expected.height, std::vector<unsigned char>(expected.pixels.size(), 128)};
    const std::vector<bool> compared = ComparedPixels(expected.width, expected.height, masks);
    for (size_t pixel = 0; pixel < compared.size(); ++pixel)
        for (size_t c = pixel * 3; compared[pixel] && c < pixel * 3 + 3; ++c)
            image.pixels[c] = (unsigned char)std::min(std::abs(int(expected.pixels[c]) - int(actual.pixels[c])) * gain, 255);
    return image;
}

RgbImage CroppedImage(const RgbImage& image, const PixelRect& rect)
{
    const int left = std::clamp(rect.x, 0, image.width);
    const int top = std::clamp(rect.y, 0, image.height);
    const int right = std::clamp(rect.x + rect.width, left, image.width);
    const int bottom = std::clamp(rect.y + rect.height, top, image.height);
    RgbImage cropped{right - left, bottom - top, {}};
    cropped.pixels.reserve(size_t(cropped.width) * cropped.height * 3);
    // Rows are stored bottom-up: the crop's lowest row comes first.
    for (int y = bottom - 1; y >= top; --y)
    {
        const auto row = image.pixels.begin() + (ptrdiff_t(image.height - 1 - y) * image.width + left) * 3;
        cropped.pixels.insert(cropped.pixels.end(), row, row + ptrdiff_t(cropped.width) * 3);
    }
    return cropped;
}

RgbImage HalvedImage(const RgbImage& image)
{
    RgbImage half{image.width / 2, image.height / 2, {}};
    half.pixels.reserve(size_t(half.width) * half.height * 3);
    const size_t row = size_t(image.width) * 3;
    for (int y = 0; y < half.height; ++y)
        for (int x = 0; x < half.width; ++x)
            for (int c = 0; c < 3; ++c)
            {
                const size_t at = size_t(2 * y) * row + size_t(2 * x) * 3 + c;
                const int sum = image.pixels[at] + image.pixels[at + 3] + image.pixels[at + row] +
                                image.pixels[at + row + 3];
                half.pixels.push_back((unsigned char)((sum + 2) / 4));
            }
    return half;
}

PixelRect HalvedRect(const PixelRect& rect)
{
    const int left = rect.x / 2;
    const int top = rect.y / 2;
    return {left, top, (rect.x + rect.width + 1) / 2 - left, (rect.y + rect.height + 1) / 2 - top};
}
