// kestrune-reference: turns a captured frame into its stored reference, and
// compares a capture with a reference.
#include <cstdio>
#include <string>
#include <vector>

#include "ReferenceFrame.h"
#include "ReferenceList.h"

namespace
{
const char* const usage =
    "usage: kestrune-reference store CAPTURE.png REFERENCE.png\n"
    "       kestrune-reference compare REFERENCE.png CAPTURE.png VIEWS-FILE VIEW [DIFFERENCE.png]\n"
    "store writes the capture's reference form (half size) whole or not at all;\n"
    "compare prints the mean absolute difference and the share of pixels off by more\n"
    "than the views file's threshold, leaving out the view's masks.\n";

int Store(const std::string& capturePath, const std::string& referencePath)
{
    const std::optional<RgbImage> capture = ReadRgbImage(capturePath);
    if (!capture || capture->width < 2 || capture->height < 2)
    {
        std::fprintf(stderr, "kestrune-reference: cannot read the capture %s\n", capturePath.c_str());
        return 1;
    }
    if (!WriteImageWhole(ReferenceForm(*capture), referencePath))
    {
        std::fprintf(stderr, "kestrune-reference: could not write %s\n", referencePath.c_str());
        return 1;
    }
    return 0;
}

int Compare(const std::vector<std::string>& args)
{
    std::string error;
    const std::optional<ReferenceList> list = LoadReferenceList(args[2], error);
    const ReferenceView* view = list ? list->FindView(args[3]) : nullptr;
    const std::optional<RgbImage> capture = ReadRgbImage(args[1]);
    if (view == nullptr || !capture)
    {
        std::fprintf(stderr, "kestrune-reference: %s\n",
                     !list ? error.c_str() : view == nullptr ? "no such view" : "cannot read the capture");
        return 1;
    }
    const std::optional<RgbImage> reference = LoadReference(args[0], capture->width, capture->height, error);
    if (!reference)
    {
        std::fprintf(stderr, "kestrune-reference: %s\n", error.c_str());
        return 1;
    }
    const RgbImage actual = ReferenceForm(*capture);
    const std::vector<PixelRect> masks = ReferenceMasks(view->masks);
    const ImageDifference difference = CompareImages(*reference, actual, masks, list->threshold);
    std::printf("mean %.4f over%d %.4f%% block %.2f%% largest %d\n", difference.meanAbsolute, list->threshold,
                difference.percentOver, difference.worstBlockPercent, difference.largest);
    if (args.size() == 5 && !WriteImageWhole(AmplifiedDifference(*reference, actual, masks, 8), args[4]))
        return 1;
    return 0;
}
}

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "store")
        return Store(args[1], args[2]);
    if ((args.size() == 5 || args.size() == 6) && args[0] == "compare")
        return Compare({args.begin() + 1, args.end()});
    std::fputs(usage, args.size() == 1 && args[0] == "--help" ? stdout : stderr);
    return args.size() == 1 && args[0] == "--help" ? 0 : 2;
}
