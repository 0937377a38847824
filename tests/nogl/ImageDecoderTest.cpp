// Model and image files that are damaged or declare more than they hold.
#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "textures/ImageDecoder.h"

namespace
{
const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
}

TEST(ImageDecoderTest, RefusesEmptyTruncatedAndHugeImages)
{
    TempDir dir("image-limits");
    ASSERT_TRUE(WriteTestImage(dir.Path("small.jpg"), FIF_JPEG, 8, 6, 24));
    const std::string jpeg = dir.Read("small.jpg");
    const DecodedImage image = DecodeImageMemory(reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image.width, 8u);
    EXPECT_EQ(image.height, 6u);

    EXPECT_FALSE(DecodeImageMemory(nullptr, 0));
    EXPECT_FALSE(DecodeImageMemory(reinterpret_cast<const unsigned char*>(jpeg.data()), 20));

    // A start-of-frame that declares 65535 x 65535 pixels is refused from the header alone.
    std::string huge = jpeg;
    const size_t frame = huge.find("\xff\xc0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xff\xff\xff\xff");
    EXPECT_FALSE(DecodeImageMemory(reinterpret_cast<const unsigned char*>(huge.data()), huge.size()));
    EXPECT_FALSE(DecodeImage(dir.Write("huge.jpg", huge)));

    // Texture formats are read; the library's other readers (an icon here) are not offered the bytes.
    ASSERT_TRUE(WriteTestImage(dir.Path("small.bmp"), FIF_BMP, 8, 6, 24));
    EXPECT_TRUE(DecodeImage(dir.Path("small.bmp")));
    ASSERT_TRUE(WriteTestImage(dir.Path("icon.ico"), FIF_ICO, 16, 16, 32));
    EXPECT_FALSE(DecodeImage(dir.Path("icon.ico")));
}
