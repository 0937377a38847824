// The reference-frame comparison without a GL context: figures, masks, the
// stored form and the views file.
#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tools/reference/ReferenceFrame.h"
#include "tools/reference/ReferenceList.h"

namespace
{
// A width x height image of one grey level; rows bottom-up as GL reads them.
RgbImage Flat(int width, int height, unsigned char level)
{
    return {width, height, std::vector<unsigned char>(size_t(width) * height * 3, level)};
}

// A channel of the pixel at (x, row counted from the top).
unsigned char& Channel(RgbImage& image, int x, int topRow, int channel)
{
    return image.pixels[(size_t(image.height - 1 - topRow) * image.width + x) * 3 + channel];
}

int At(RgbImage image, int x, int topRow, int channel)
{
    return Channel(image, x, topRow, channel);
}
}

TEST(ImageComparisonTest, FiguresCountChannelsAndLeaveMaskedPixelsOut)
{
    const RgbImage expected = Flat(4, 2, 100);
    RgbImage actual = expected;
    Channel(actual, 0, 0, 1) = 117; // the top-left pixel's green: off by 17
    Channel(actual, 3, 1, 2) = 116; // the bottom-right pixel's blue: off by exactly 16
    const ImageDifference all = CompareImages(expected, actual, {}, 16);
    EXPECT_EQ(all.compared, 8);
    EXPECT_DOUBLE_EQ(all.meanAbsolute, 33.0 / 24.0);
    EXPECT_DOUBLE_EQ(all.percentOver, 12.5) << "only a difference above the threshold counts";
    EXPECT_EQ(all.largest, 17);

    // Masks are counted from the top-left corner, as window pixels are.
    const ImageDifference masked = CompareImages(expected, actual, {{0, 0, 1, 1}}, 16);
    EXPECT_EQ(masked.compared, 7);
    EXPECT_DOUBLE_EQ(masked.percentOver, 0.0);
    EXPECT_EQ(masked.largest, 16);
    EXPECT_EQ(CompareImages(expected, actual, {{-5, -5, 100, 100}}, 16).compared, 0) << "clipped to the image";

    const RgbImage difference = AmplifiedDifference(expected, actual, {{3, 1, 1, 1}}, 8);
    EXPECT_EQ(At(difference, 0, 0, 1), 136);
    EXPECT_EQ(At(difference, 3, 1, 2), 128) << "masked pixels are mid-grey";
    EXPECT_EQ(At(difference, 1, 0, 0), 0);
    Channel(actual, 1, 1, 0) = 250;
    EXPECT_EQ(At(AmplifiedDifference(expected, actual, {}, 8), 1, 1, 0), 255);
}

TEST(ImageComparisonTest, AChangeInOnePlaceShowsInItsBlock)
{
    // 40 x 20 pixels are blocks of 16 x 16, cut short at the right and the top.
    const RgbImage expected = Flat(40, 20, 50);
    RgbImage actual = expected;
    for (int x = 32; x < 36; ++x)
        Channel(actual, x, 0, 0) = 90;
    const ImageDifference difference = CompareImages(expected, actual, {}, 16);
    EXPECT_DOUBLE_EQ(difference.meanAbsolute, 160.0 / 2400.0);
    EXPECT_DOUBLE_EQ(difference.percentOver, 0.5);
    EXPECT_DOUBLE_EQ(difference.worstBlockPercent, 12.5) << "4 of the 8 x 4 pixels of the top-right block";

    const Tolerance tolerance{"llvmpipe", "", 0.07, 0.5, 12.5};
    EXPECT_TRUE(tolerance.Admits(difference));
    for (const Tolerance& tighter : {Tolerance{"llvmpipe", "", 0.06, 0.5, 12.5},
                                     Tolerance{"llvmpipe", "", 0.07, 0.4, 12.5},
                                     Tolerance{"llvmpipe", "", 0.07, 0.5, 12.0}})
        EXPECT_FALSE(tighter.Admits(difference));
}

TEST(ImageComparisonTest, TheStoredFormIsTheRoundedMeanOfEachTwoByTwoBlock)
{
    RgbImage image = Flat(4, 2, 0);
    Channel(image, 0, 0, 0) = 255;
    Channel(image, 1, 0, 0) = 1; // (255 + 1 + 0 + 0) / 4 = 64
    Channel(image, 2, 1, 2) = 2; // 2 / 4 rounds to 1
    const RgbImage half = ReferenceForm(image, ComparedRegion(std::nullopt, 4, 2));
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 1);
    EXPECT_EQ(half.pixels, (std::vector<unsigned char>{64, 0, 0, 0, 0, 1}));

    // A mask on odd window pixels still covers them once halved.
    const PixelRect rect = ReferenceMasks({{3, 5, 2, 1}}, {0, 0, 8, 8}).front();
    EXPECT_EQ(rect.x, 1);
    EXPECT_EQ(rect.y, 2);
    EXPECT_EQ(rect.width, 2);
    EXPECT_EQ(rect.height, 1);
}

TEST(ImageComparisonTest, ACroppedViewStoresItsRegionCountedFromTheTop)
{
    // Top-left texel of each 2 x 2 block marks it: the region from (2, 2) to (6, 4) of an 8 x 6 frame.
    RgbImage image = Flat(8, 6, 0);
    Channel(image, 2, 2, 0) = 40;
    Channel(image, 4, 2, 1) = 80;
    Channel(image, 1, 1, 2) = 200; // outside the region
    const PixelRect region = ComparedRegion(PixelRect{2, 2, 4, 2}, 8, 6);
    const RgbImage half = ReferenceForm(image, region);
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 1);
    EXPECT_EQ(half.pixels, (std::vector<unsigned char>{10, 0, 0, 0, 20, 0}));

    // A mask in window pixels lands on the same texels of the region.
    const PixelRect mask = ReferenceMasks({{4, 2, 2, 2}}, region).front();
    EXPECT_EQ(mask.x, 1);
    EXPECT_EQ(mask.y, 0);
    // A region that reaches past the frame is clipped to it.
    EXPECT_EQ(CroppedImage(image, {6, 4, 4, 4}).width, 2);
    EXPECT_EQ(CroppedImage(image, {6, 4, 4, 4}).height, 2);
}
