#include <SDL2/SDL.h>
#include <array>
#include <gtest/gtest.h>

#include "app/InputState.h"
#include "core/CRenderSettings.h"
#include "core/Clock.h"
#include "core/FormatString.h"

TEST(RenderSettings, ProfilerMarksTakeTheInstalledClock)
{
    CRenderSettings& s = CRenderSettings::GetInstance();
    int32_t now = 1234;
    SetClockSource([&now] { return now; });
    s.profilerMarks.clear();
    s.AddProfilerMark("Start");
    s.AddProfilerMark("Render");
    now = 1240;
    s.AddProfilerMark("PostProcess");
    SetClockSource(nullptr);

    ASSERT_EQ(s.profilerMarks.size(), 3u);
    EXPECT_EQ(s.profilerMarks[1].clock, 1234);
    EXPECT_EQ(s.profilerMarks[2].clock, 1240);
    EXPECT_EQ(s.profilerMarks[1].name, "Render");
    s.profilerMarks.clear();
}

TEST(FrameClock, DeltaComesFromWholeMilliseconds)
{
    int32_t last = 100;
    EXPECT_FLOAT_EQ(AdvanceFrameClock(116, last), 0.016f);
    EXPECT_EQ(last, 116);
    EXPECT_FLOAT_EQ(AdvanceFrameClock(116, last), 0.0f); // two frames in the same millisecond
    EXPECT_FLOAT_EQ(AdvanceFrameClock(1116, last), 1.0f);

    // The real clock counts from process start and never runs backwards.
    const int32_t first = GetClockMs();
    EXPECT_GE(first, 0);
    EXPECT_GE(GetClockMs(), first);
}

TEST(FormatString, FormatsAnyLength)
{
    EXPECT_EQ(FormatString("gPointLights[%d].Position", 7), "gPointLights[7].Position");
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatString("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(MenuToggle, OnePressTogglesOnceHoweverLongItIsHeld)
{
    std::array<uint8_t, SDL_NUM_SCANCODES> keys = {};
    InputState input;
    input.keyboard = keys.data();
    bool showMenu = true;

    keys[SDL_SCANCODE_F1] = 1;
    for (int frame = 0; frame < 50; ++frame)
        UpdateMenuToggle(input, showMenu);
    EXPECT_FALSE(showMenu);
    keys[SDL_SCANCODE_F1] = 0;
    UpdateMenuToggle(input, showMenu);
    keys[SDL_SCANCODE_F1] = 1;
    UpdateMenuToggle(input, showMenu);
    EXPECT_TRUE(showMenu);

    // No keyboard state reads as no key down.
    input.keyboard = nullptr;
    EXPECT_FALSE(IsKeyDown(input, SDL_SCANCODE_F1));
}
