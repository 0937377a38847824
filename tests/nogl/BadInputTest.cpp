// Values from the command line, the window system and the clock that once
// crashed or misled the renderer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/LayoutFile.h"
#include "core/Clock.h"
#include "core/Projection.h"
#include "effects/RenderTextureList.h"
#include "scene/CascadeFit.h"
#include "scene/SkyMath.h"
#include "tools/capture/CaptureOptions.h"
#include "tools/capture/SettingOverrides.h"
#include "tests/TestFiles.h"

namespace
{
bool AllFinite(const Matrix4& m)
{
    for (const auto& row : m.m)
        for (float value : row)
            if (!std::isfinite(value))
                return false;
    return true;
}

// The capture tool's verdict on one command line: "" when accepted, else its error.
std::string CaptureVerdict(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "kestrune-capture");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    std::string error;
    return ParseCaptureOptions(int(argv.size()), argv.data(), error) ? "" : error;
}
}

TEST(BadInput, ACollapsedWindowKeepsProjectionsAndCascadesFinite)
{
    for (const auto& [width, height] : {std::pair{0, 0}, {1, 1}, {1600, 0}, {0, 900}, {-5, -5}})
    {
        const float aspect = AspectRatio(width, height);
        EXPECT_TRUE(std::isfinite(aspect) && aspect > 0.0f) << width << "x" << height;
        EXPECT_TRUE(AllFinite(MakePerspective(80.0f, aspect, 0.5f, 1500.0f))) << width << "x" << height;
        EXPECT_TRUE(AllFinite(MakeOrthoProjection(width, height))) << width << "x" << height;
        const CascadeBox box = FitCascade(Matrix4::Identity(), glm::normalize(glm::vec3(1.0f, -1.0f, 0.2f)), aspect,
                                          80.0f, 0.5f, 70.0f);
        for (float side : box)
            EXPECT_TRUE(std::isfinite(side)) << width << "x" << height;
    }
    EXPECT_FLOAT_EQ(AspectRatio(1600, 900), 1600.0f / 900.0f);
}

TEST(BadInput, TheSkyTakesAnyTimeOfDayAndTheClockItsWrap)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float angle : {nan, infinity, -infinity, 3.0e9f, -3.0e9f, 1.0e30f})
    {
        const glm::vec3 colour = SunColorAt(angle);
        EXPECT_TRUE(std::isfinite(colour.r) && std::isfinite(colour.g) && std::isfinite(colour.b)) << angle;
    }
    EXPECT_EQ(SunColorAt(nan), SunColorAt(0.0f));
    EXPECT_EQ(SunColorAt(3600000100.0f), SunColorAt(3600000100.0f - 3600000000.0f));

    // 2^31 - 10 ms and 10 ms after the wrap are 20 ms apart.
    const int32_t beforeWrap = std::numeric_limits<int32_t>::max() - 9;
    const int32_t afterWrap = AdvanceClockMs(beforeWrap, 20);
    EXPECT_EQ(afterWrap, std::numeric_limits<int32_t>::min() + 10);
    EXPECT_EQ(ClockMsBetween(beforeWrap, afterWrap), 20);
    int32_t last = beforeWrap;
    EXPECT_FLOAT_EQ(AdvanceFrameClock(afterWrap, last), 0.02f);
    EXPECT_EQ(last, afterWrap);
}

TEST(BadInput, ARenderTextureThatGoesAwayIsNoLongerSelected)
{
    RenderTextureRegistry registry = {{"None", -1}, {"Bloom", 7}, {"SkyboxSunMap", 12}};
    int32_t selected = 12;
    UnregisterRenderTexture(registry, selected, "SkyboxSunMap");
    EXPECT_EQ(selected, -1);
    EXPECT_FALSE(IsRegisteredRenderTexture(registry, 12));
    selected = 7;
    UnregisterRenderTexture(registry, selected, "NoSuchKey");
    EXPECT_EQ(selected, 7);
    EXPECT_TRUE(IsRegisteredRenderTexture(registry, 7));
    EXPECT_FALSE(IsRegisteredRenderTexture(registry, -1)) << "None names no texture";
}

TEST(BadInput, CaptureRefusesCameraAndTimeOfDayOutsideTheirRanges)
{
    EXPECT_EQ(CaptureVerdict({"--camera", "120,15,90", "--time-of-day", "-2147483648"}), "");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,0,-5"}), "camera pitch must be from 5 to 70 degrees");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,30,0"}), "camera distance must be from 10 to 100");
    EXPECT_EQ(CaptureVerdict({"--camera", "0,30,1000"}), "camera distance must be from 10 to 100");
    EXPECT_NE(CaptureVerdict({"--time-of-day", "3e9"}).find("beyond -2147483648..2147483648"), std::string::npos);
    EXPECT_NE(CaptureVerdict({"--time-of-day", "nan"}), "");
    // A long run at a long step wraps the 32-bit clock, which is fine.
    EXPECT_EQ(CaptureVerdict({"--frames", "1000000", "--step-ms", "1000000"}), "");
}

TEST(BadInput, SetRefusesValuesThatWouldBreakTheFrame)
{
    std::string error;
    for (const char* bad : {"toneMapping=4", "toneMapping=-1", "fieldOfView=0", "fieldOfView=180", "nearPlane=0",
                            "farPlane=-1", "dofFalloff=0", "shadowMapWidth=0",
                            "shadowMapHeight=100000", "selectedRenderTexture=-2", "timeOfDay=3e9",
                            "particles.generateCount=-1", "exposure=-1"})
    {
        error.clear();
        EXPECT_FALSE(ParseSettingOverride(bad, error)) << bad;
        EXPECT_NE(error.find("must be"), std::string::npos) << bad << ": " << error;
    }
    for (const char* good : {"toneMapping=3", "fieldOfView=179", "ghostCount=16", "shadowMapWidth=8192",
                             "selectedRenderTexture=-1", "timeOfDay=-720", "dofFalloff=1"})
        EXPECT_TRUE(ParseSettingOverride(good, error)) << good << ": " << error;
}

TEST(BadInput, ALayoutFileThatIsNotAFileIsNotRead)
{
    TempDir dir("layout-file");
    EXPECT_TRUE(LayoutFileUsable(dir.Path("imgui.ini").c_str())) << "made on first save";
    EXPECT_TRUE(LayoutFileUsable(dir.Write("saved.ini", "[Window][Info]\n").c_str()));
    std::filesystem::create_directories(dir.Path("folder.ini"));
    EXPECT_FALSE(LayoutFileUsable(dir.Path("folder.ini").c_str()));
    EXPECT_FALSE(LayoutFileUsable("/dev/null"));
    EXPECT_FALSE(LayoutFileUsable(nullptr));
}
