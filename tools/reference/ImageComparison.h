#pragma once

#include <vector>

#include "tools/capture/RgbImage.h"

// A rectangle of pixels, counted from the image's top-left corner.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// How far one image is from another, over the pixels not masked out.
struct ImageDifference
{
    double meanAbsolute = 0.0; // mean absolute difference of every channel, in levels of 255
    double percentOver = 0.0;  // pixels with a channel off by more than the threshold, in % of those compared
    double worstBlockPercent = 0.0; // the same share within the worst block of blockSize x blockSize pixels
    int largest = 0;           // the largest channel difference
    long compared = 0;         // pixels compared
};

// Side of the blocks in which a change that stays in one place is measured.
constexpr int blockSize = 16;

// Compares two images of one size, leaving out the pixels inside `masks`.
ImageDifference CompareImages(const RgbImage& expected, const RgbImage& actual, const std::vector<PixelRect>& masks,
                              int threshold);

// Each channel's absolute difference times `gain`, clamped to 255; masked pixels are mid-grey.
RgbImage AmplifiedDifference(const RgbImage& expected, const RgbImage& actual, const std::vector<PixelRect>& masks,
                             int gain);

// The pixels of `rect` (counted from the top-left corner), clipped to the image.
RgbImage CroppedImage(const RgbImage& image, const PixelRect& rect);

// The image at half its width and height, each pixel the rounded mean of a 2 x 2 block
// (an odd last row or column is dropped).
RgbImage HalvedImage(const RgbImage& image);

// `rect` in the coordinates of the halved image, grown to whole pixels.
PixelRect HalvedRect(const PixelRect& rect);
