#include <gtest/gtest.h>

#include "core/CRenderSettings.h"
#include "core/Clock.h"

TEST(CRenderSettingsTest, ProfilerMarksTakeTheInstalledClock)
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
