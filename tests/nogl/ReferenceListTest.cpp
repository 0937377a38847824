// The reference-frame comparison without a GL context: figures, masks, the
// stored form and the views file.
#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tools/reference/ReferenceList.h"

TEST(ReferenceListTest, ReadsViewsMasksAndTolerances)
{
    std::string error;
    const std::optional<ReferenceList> list = ParseReferenceList(
        "# comment\n"
        "threshold 12\n"
        "view day llvmpipe,zink --hide-ui --time-of-day 0 mask=1,2,3,4\n"
        "view ui  llvmpipe --frames 3 crop=0,450,800,450\n"
        "tolerance llvmpipe 0.5 0.01 10\n"
        "tolerance zink 1 0.1 20\n"
        "tolerance llvmpipe/ui 2 0.3 30\n",
        error);
    ASSERT_TRUE(list.has_value()) << error;
    EXPECT_EQ(list->threshold, 12);
    ASSERT_EQ(list->views.size(), 2u);
    const ReferenceView& day = list->views[0];
    EXPECT_EQ(day.arguments, "--hide-ui --time-of-day 0");
    EXPECT_EQ(day.drivers, (std::vector<std::string>{"llvmpipe", "zink"}));
    ASSERT_EQ(day.masks.size(), 1u);
    EXPECT_EQ(day.masks[0].height, 4);
    EXPECT_FALSE(day.crop.has_value()) << "the whole frame";
    ASSERT_TRUE(list->views[1].crop.has_value());
    EXPECT_EQ(list->views[1].crop->y, 450);
    EXPECT_EQ(list->views[1].arguments, "--frames 3");
    EXPECT_DOUBLE_EQ(list->FindTolerance("ui", "llvmpipe")->meanAbsolute, 2.0) << "the view's own first";
    EXPECT_DOUBLE_EQ(list->FindTolerance("day", "llvmpipe")->percentOver, 0.01);
    EXPECT_EQ(list->FindTolerance("day", "softpipe"), nullptr);
}

TEST(ReferenceListTest, RefusesABadLineSayingWhichAndWhy)
{
    const std::pair<const char*, const char*> bad[] = {
        {"view a zink --hide-ui\n", "line 1: drivers must be llvmpipe"},
        {"view a llvmpipe,vulkan x\n", "line 1: drivers"},
        {"view a llvmpipe x\nview a llvmpipe y\n", "line 2: a view needs a new name"},
        {"view a/b llvmpipe x\n", "line 1: a view needs a new name"},
        {"view a llvmpipe x mask=1,2,3\n", "line 1: a mask is written"},
        {"view a llvmpipe --out f.png\n", "line 1: the capture's --out"},
        {"view a llvmpipe x crop=1,0,64,64\n", "line 1: a crop is written"},
        {"view a llvmpipe x crop=0,0,64,16\n", "line 1: a crop is written"},
        {"tolerance llvmpipe 1 1\n", "line 1: a tolerance is written"},
        {"tolerance llvmpipe -1 2 3\n", "line 1: a tolerance is written"},
        {"tolerance llvmpipe/nothing 1 2 3\n", "line 1: a tolerance names a view"},
        {"threshold 300\n", "line 1: expected"},
        {"views a\n", "line 1: expected"},
        {"view a llvmpipe,zink x\ntolerance llvmpipe 1 1 1\n", "no tolerance for view 'a' on zink"},
    };
    for (const auto& [text, message] : bad)
    {
        std::string error;
        EXPECT_FALSE(ParseReferenceList(text, error).has_value()) << text;
        EXPECT_EQ(error.rfind(message, 0), 0u) << text << " -> " << error;
    }
}
