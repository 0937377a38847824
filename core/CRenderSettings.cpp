#include "core/CRenderSettings.h"

#include "core/Clock.h"

CRenderSettings& CRenderSettings::GetInstance()
{
    static CRenderSettings instance;
    return instance;
}

void CRenderSettings::AddProfilerMark(const std::string& name)
{
    if (profilerMarkObserver)
        profilerMarkObserver(name);
    ProfilerMark mark;
    mark.name = name;
    mark.clock = GetClockMs();
    profilerMarks.push_back(mark);
}
