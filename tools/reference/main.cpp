// kestrune-reference: turns a captured frame into its stored reference, and
// compares a capture with a reference.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ReferenceFrame.h"
#include "ReferenceList.h"

namespace
{
const char* const usage =
    "usage: kestrune-reference store CAPTURE.png REFERENCE.png VIEWS-FILE VIEW\n"
    "       kestrune-reference compare REFERENCE.png CAPTURE.png VIEWS-FILE VIEW [DIFFERENCE.png]\n"
    "store writes the capture's reference form (the view's crop, or the whole frame, at\n"
    "half size) whole or not at all; compare prints the mean absolute difference and the\n"
    "share of pixels off by more than the views file's threshold, leaving out the view's\n"
    "masks.\n";

// A capture with the view it shows: the views file, the view and the window pixels it compares.
struct ListedCapture
{
    ReferenceList list;
    ReferenceView view;
    RgbImage image;
    PixelRect region;
};

// The capture at `capturePath` as view `name` of the views file at `listPath`;
// nothing, with the reason printed, when the view or the capture is missing or the
// capture does not hold the view's region.
std::optional<ListedCapture> ReadListedCapture(const std::string& capturePath, const std::string& listPath,
                                               const std::string& name)
{
    std::string error;
    const std::optional<ReferenceList> list = LoadReferenceList(listPath, error);
    const ReferenceView* view = list ? list->FindView(name) : nullptr;
    if (view == nullptr)
    {
        std::fprintf(stderr, "kestrune-reference: %s\n", !list ? error.c_str() : ("no view '" + name + "'").c_str());
        return std::nullopt;
    }
    const std::optional<RgbImage> capture = ReadRgbImage(capturePath);
    const PixelRect region = capture ? ComparedRegion(view->crop, capture->width, capture->height) : PixelRect{};
    if (!capture || region.width < 2 || region.height < 2 || region.x + region.width > capture->width ||
        region.y + region.height > capture->height)
    {
        std::fprintf(stderr, "kestrune-reference: cannot read the capture %s, or it does not hold the view's region\n",
                     capturePath.c_str());
        return std::nullopt;
    }
    return ListedCapture{*list, *view, *capture, region};
}

int Store(const std::vector<std::string>& args)
{
    const std::optional<ListedCapture> capture = ReadListedCapture(args[0], args[2], args[3]);
    if (!capture)
        return 1;
    const std::string& referencePath = args[1];
    if (!WriteImageWhole(ReferenceForm(capture->image, capture->region), referencePath))
    {
        std::fprintf(stderr, "kestrune-reference: could not write %s\n", referencePath.c_str());
        return 1;
    }
    return 0;
}

int Compare(const std::vector<std::string>& args)
{
    const std::optional<ListedCapture> capture = ReadListedCapture(args[1], args[2], args[3]);
    if (!capture)
        return 1;
    const auto& [list, view, image, region] = *capture;
    std::string error;
    const std::optional<RgbImage> reference = LoadReference(args[0], region.width, region.height, error);
    if (!reference)
    {
        std::fprintf(stderr, "kestrune-reference: %s\n", error.c_str());
        return 1;
    }
    const RgbImage actual = ReferenceForm(image, region);
    const std::vector<PixelRect> masks = ReferenceMasks(view.masks, region);
    const ImageDifference difference = CompareImages(*reference, actual, masks, list.threshold);
    std::printf("mean %.4f over%d %.4f%% block %.2f%% largest %d\n", difference.meanAbsolute, list.threshold,
                difference.percentOver, difference.worstBlockPercent, difference.largest);
    if (args.size() == 5 && !WriteImageWhole(AmplifiedDifference(*reference, actual, masks, 8), args[4]))
        return 1;
    return 0;
}
}

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 5 && args[0] == "store")
        return Store({args.begin() + 1, args.end()});
    if ((args.size() == 5 || args.size() == 6) && args[0] == "compare")
        return Compare({args.begin() + 1, args.end()});
    std::fputs(usage, args.size() == 1 && args[0] == "--help" ? stdout : stderr);
    return args.size() == 1 && args[0] == "--help" ? 0 : 2;
}
