#include <FreeImage.h>
#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tools/capture/RgbImage.h"
#include "tools/capture/TextureDump.h"

using Bytes = std::vector<unsigned char>;

TEST(TextureDumpTest, ValuesAreClampedAndDepthFillsTheRangeFound)
{
    const RgbImage image = RgbImageFromFloats(2, 1, {-0.5f, 0.0f, 0.25f, 1.0f, 2.0f, 0.5f}, false);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(image.pixels, (Bytes{0, 0, 64, 255, 255, 128}));

    const Bytes depth = RgbImageFromFloats(3, 1, {0.01f, 0.01f, 0.01f, 0.02f, 0.02f, 0.02f, 0.03f, 0.03f, 0.03f},
                                           true).pixels;
    ASSERT_EQ(depth.size(), 9u);
    EXPECT_EQ(depth[0], 0);
    EXPECT_NEAR(depth[3], 128, 1);
    EXPECT_EQ(depth[8], 255);
    // A mark below 0 shows black and leaves the range from 0 as it was.
    const Bytes marked = RgbImageFromFloats(2, 1, {-1.0f, -1.0f, -1.0f, 1.0f, 0.0f, 0.5f}, true).pixels;
    EXPECT_EQ(marked, (Bytes{0, 0, 0, 255, 0, 128}));
    // One depth everywhere leaves nothing to stretch.
    EXPECT_EQ(RgbImageFromFloats(1, 1, {0.2f, 0.2f, 0.2f}, true).pixels, (Bytes{0, 0, 0}));
}

TEST(TextureDumpTest, PngShowsTheLastGlRowOnTopInItsOwnColours)
{
    TempDir dir("texture-png");
    // GL order: bottom row red, green; top row blue, white.
    const RgbImage image{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}};
    ASSERT_TRUE(WriteRgbImage(image, dir.Path("a.png")));

    FIBITMAP* png = FreeImage_Load(FIF_PNG, dir.Path("a.png").c_str(), PNG_DEFAULT);
    ASSERT_NE(png, nullptr);
    ASSERT_EQ(FreeImage_GetWidth(png), 2u);
    ASSERT_EQ(FreeImage_GetHeight(png), 2u);
    const BYTE* top = FreeImage_GetScanLine(png, 1); // FreeImage counts scan lines from the bottom
    const BYTE* bottom = FreeImage_GetScanLine(png, 0);
    EXPECT_EQ(top[FI_RGBA_BLUE], 255);
    EXPECT_EQ(top[FI_RGBA_RED], 0);
    EXPECT_EQ(bottom[FI_RGBA_RED], 255);
    EXPECT_EQ(bottom[FI_RGBA_BLUE], 0);
    EXPECT_EQ(bottom[3 + FI_RGBA_GREEN], 255);
    FreeImage_Unload(png);

    EXPECT_FALSE(WriteRgbImage(image, dir.Path("missing/a.png")));
    EXPECT_FALSE(WriteRgbImage(RgbImage{3, 2, image.pixels}, dir.Path("short.png")));
}

TEST(TextureDumpTest, FilesAreNamedAfterTheKeyInAFolderMadeForThem)
{
    EXPECT_EQ(TextureFileName("Depth texture"), "Depth_texture.png");
    EXPECT_EQ(TextureFileName("LensFlare"), "LensFlare.png");

    // "None" names no texture, so this needs no GL context.
    TempDir dir("texture-dump");
    EXPECT_TRUE(DumpRenderTextures({{"None", -1}}, dir.Path("made/here")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("made/here")));
    dir.Write("file", "x");
    EXPECT_FALSE(DumpRenderTextures({{"None", -1}}, dir.Path("file/below")));
}
