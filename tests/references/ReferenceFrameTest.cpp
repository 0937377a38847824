// Each reference view captured through kestrune-capture on a Mesa driver and
// compared with its stored frame (tests/references/NAME.png). Built twice: for
// llvmpipe alone, and with KESTRUNE_OTHER_DRIVERS for softpipe and zink.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/FormatString.h"
#include "tests/e2e/ProcessRunner.h"
#include "tools/reference/ReferenceFrame.h"
#include "tools/reference/ReferenceList.h"

namespace fs = std::filesystem;

namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;
const std::string referenceDir = KESTRUNE_REFERENCE_DIR;
const std::string outputDir = KESTRUNE_REFERENCE_OUTPUT_DIR;
const int windowWidth = 1600;
const int windowHeight = 900;

struct ViewOnDriver
{
    std::string view;
    std::string driver;
};

void PrintTo(const ViewOnDriver& param, std::ostream* out)
{
    *out << param.view << " on " << param.driver;
}

std::vector<ViewOnDriver> Cases()
{
    std::string error;
    const std::optional<ReferenceList> list = LoadReferenceList(referenceDir + "/views.txt", error);
    if (!list)
        return {{"views_file", "llvmpipe"}}; // fails below with the parse error
    std::vector<ViewOnDriver> cases;
    for (const ReferenceView& view : list->views)
        for (const std::string& driver : view.drivers)
            if ((driver == "llvmpipe") != bool(KESTRUNE_OTHER_DRIVERS))
                cases.push_back({view.name, driver});
    return cases;
}

std::string UpdateCommand(const std::string& view)
{
    return "bash scripts/update-references.sh " + view;
}

// What follows `prefix` on its line of the capture's output; "" when it is missing.
std::string AfterPrefix(const std::string& output, const std::string& prefix)
{
    const size_t at = output.find(prefix);
    if (at == std::string::npos)
        return "";
    const size_t begin = at + prefix.size();
    return output.substr(begin, output.find('\n', begin) - begin);
}

class ReferenceFrameTest : public ::testing::TestWithParam<ViewOnDriver>
{
public:
    // zink's Vulkan loader wants a runtime folder of its own.
    static void SetUpTestSuite()
    {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime != nullptr && *runtime != '\0')
            return;
        char pattern[] = "/tmp/kestrune-runtime-XXXXXX";
        if (::mkdtemp(pattern) != nullptr)
        {
            privateRuntime = pattern;
            ::setenv("XDG_RUNTIME_DIR", pattern, 1);
        }
    }
    static void TearDownTestSuite()
    {
        if (privateRuntime.empty())
            return;
        std::error_code error;
        fs::remove_all(privateRuntime, error);
        ::unsetenv("XDG_RUNTIME_DIR");
    }

protected:
    std::string Stem() const { return outputDir + "/" + GetParam().view + "-" + GetParam().driver; }

    // The expected, actual and amplified difference images of a failed comparison.
    std::vector<std::string> EvidencePaths() const
    {
        return {Stem() + "-expected.png", Stem() + "-actual.png", Stem() + "-difference.png"};
    }

    // Writes the evidence images; returns their paths, or why they are missing.
    std::string WriteEvidence(const RgbImage& expected, const RgbImage& actual, const std::vector<PixelRect>& masks)
    {
        const std::vector<std::string> paths = EvidencePaths();
        if (!WriteImageWhole(expected, paths[0]) || !WriteImageWhole(actual, paths[1]) ||
            !WriteImageWhole(AmplifiedDifference(expected, actual, masks, 8), paths[2]))
            return "(could not be written to " + outputDir + ")";
        return "\n    expected   " + paths[0] + "\n    actual     " + paths[1] + "\n    difference " + paths[2] +
               " (8 times the difference)";
    }

    static inline std::string privateRuntime;
};

TEST_P(ReferenceFrameTest, MatchesItsStoredFrame)
{
    const ViewOnDriver& param = GetParam();
    std::string error;
    const std::optional<ReferenceList> list = LoadReferenceList(referenceDir + "/views.txt", error);
    if (!list)
        FAIL() << error;
    const ReferenceView& view = *list->FindView(param.view);
    const Tolerance& tolerance = *list->FindTolerance(view.name, param.driver);

    const std::string referencePath = referenceDir + "/" + view.name + ".png";
    const PixelRect region = ComparedRegion(view.crop, windowWidth, windowHeight);
    const std::optional<RgbImage> expected = LoadReference(referencePath, region.width, region.height, error);
    if (!expected)
        FAIL() << error << ": regenerate it with " << UpdateCommand(view.name);

    fs::create_directories(outputDir);
    for (const std::string& path : EvidencePaths())
        fs::remove(path); // from an earlier failure
    const std::string capturePath = Stem() + "-capture.png";
    const bool otherDriver = param.driver != "llvmpipe";
    // Every view runs on an X server of its own: on the shared one its window can lie
    // over another test's, which then loses its clicks (and a view that clicks could
    // lose its own).
    const ProcessResult result =
        RunProcess(OnOwnDisplay("env GALLIUM_DRIVER=" + param.driver + " LIBGL_ALWAYS_SOFTWARE=1 ./kestrune-capture " +
                                view.arguments + (otherDriver ? " --gl-debug" : "") + " --out " + capturePath),
                   binDir, 400 * KESTRUNE_TIME_SCALE);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string renderer = AfterPrefix(result.output, "GL renderer: ");
    ASSERT_NE(renderer.find(param.driver), std::string::npos) << "drawn by '" << renderer << "'";
    if (otherDriver)
    {
        EXPECT_NE(result.output.find("GL debug messages: high 0, medium 0, low 0,"), std::string::npos)
            << result.output;
    }

    const std::optional<RgbImage> capture = ReadRgbImage(capturePath);
    ASSERT_TRUE(capture && capture->width == windowWidth && capture->height == windowHeight) << capturePath;
    const RgbImage actual = ReferenceForm(*capture, region);
    const std::vector<PixelRect> masks = ReferenceMasks(view.masks, region);
    const ImageDifference difference = CompareImages(*expected, actual, masks, list->threshold);
    const std::string figures = FormatString(
        "view '%s' on %s: mean absolute difference %.4f (at most %g), %.4f%% of pixels off by more than %d "
        "(at most %g%%), %.2f%% in the worst block (at most %g%%), largest %d",
        view.name.c_str(), param.driver.c_str(), difference.meanAbsolute, tolerance.meanAbsolute,
        difference.percentOver, list->threshold, tolerance.percentOver, difference.worstBlockPercent,
        tolerance.worstBlockPercent, difference.largest);
    if (!tolerance.Admits(difference))
        ADD_FAILURE() << figures << "\n  images:" << WriteEvidence(*expected, actual, masks)
                      << "\n  an intended change is stored with " << UpdateCommand(view.name);
    else
        std::printf("%s\n", figures.c_str());
}

INSTANTIATE_TEST_SUITE_P(Views, ReferenceFrameTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<ViewOnDriver>& info) {
                             std::string name = info.param.view + "_" + info.param.driver;
                             for (char& c : name)
                                 c = std::isalnum((unsigned char)c) ? c : '_';
                             return name;
                         });
}
