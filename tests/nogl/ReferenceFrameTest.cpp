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
}

TEST(ReferenceFrameTest, AMissingUnreadableOrMisSizedReferenceIsNamed)
{
    TempDir dir("reference-frame");
    std::string problem;
    EXPECT_FALSE(LoadReference(dir.Path("none.png"), 8, 4, problem).has_value());
    EXPECT_EQ(problem, "missing reference " + dir.Path("none.png"));
    EXPECT_FALSE(LoadReference(dir.Write("bad.png", "not a picture"), 8, 4, problem).has_value());
    EXPECT_EQ(problem, "unreadable reference " + dir.Path("bad.png"));

    ASSERT_TRUE(WriteImageWhole(Flat(4, 2, 9), dir.Path("ref.png")));
    EXPECT_FALSE(LoadReference(dir.Path("ref.png"), 16, 4, problem).has_value());
    EXPECT_EQ(problem, "reference " + dir.Path("ref.png") + " is 4 x 2, not 8 x 2");
    const std::optional<RgbImage> loaded = LoadReference(dir.Path("ref.png"), 8, 4, problem);
    ASSERT_TRUE(loaded.has_value()) << problem;
    EXPECT_EQ(loaded->pixels, Flat(4, 2, 9).pixels);
}

TEST(ReferenceFrameTest, AReferenceIsReplacedWholeOrNotAtAll)
{
    TempDir dir("reference-write");
    const std::string path = dir.Write("ref.png", "old");
    EXPECT_FALSE(WriteImageWhole(RgbImage{4, 2, {1, 2, 3}}, path)) << "pixels missing";
    EXPECT_EQ(dir.Read("ref.png"), "old");
    ASSERT_TRUE(WriteImageWhole(Flat(4, 2, 7), path));
    EXPECT_EQ(ReadRgbImage(path)->pixels, Flat(4, 2, 7).pixels);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path("")))
        ++files;
    EXPECT_EQ(files, 1u) << "no temporary file left beside it";
}
