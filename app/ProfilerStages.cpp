#include "app/ProfilerStages.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/FormatString.h"

glm::vec4 StageColor(float t)
{
    if (t <= 0.0f)
        return {0.0f, 0.0f, 1.0f, 1.0f};
    if (t < 0.25f)
        return {0.0f, 4.0f * t, 1.0f, 1.0f};
    if (t < 0.5f)
        return {0.0f, 1.0f, 1.0f - 4.0f * (t - 0.25f), 1.0f};
    if (t < 0.75f)
        return {4.0f * (t - 0.5f), 1.0f, 0.0f, 1.0f};
    return {1.0f, 1.0f - 4.0f * (t - 0.75f), 0.0f, 1.0f};
}

namespace
{
StageRow MakeRow(const ProfilerMark& mark, const glm::vec4& color)
{
    return {mark.name, FormatString("%d ms", mark.elapsed), FormatString("%.1f %%", mark.fraction * 100.0f), color};
}
}

ProfilerView BuildProfilerView(std::vector<ProfilerMark>& marks, float avail, float indentSpacing)
{
    ProfilerView view;
    const size_t n = marks.size();
    if (n <= 1)
        return view;
    const int32_t first = marks.front().clock;
    const int32_t total = ClockMsBetween(first, marks.back().clock);
    for (size_t i = 1; i < n; ++i)
    {
        ProfilerMark& mark = marks[i];
        const int32_t prev = marks[i - 1].clock;
        mark.elapsed = ClockMsBetween(prev, mark.clock);
        // A stage of no length (or a clock that stepped back) takes no room.
        const bool drawn = mark.elapsed > 0 && total > 0;
        mark.fraction = drawn ? float(mark.elapsed) / float(total) : 0.0f;
        const glm::vec4 color = StageColor(std::min(1.0f, float(i) / float(n)));
        view.rows.push_back(MakeRow(mark, color));
        if (!drawn)
            continue;
        const float start = float(ClockMsBetween(first, prev)) / float(total);
        StageButton button;
        button.label = FormatString("%s\n%dms (%.1f%%)", mark.name.c_str(), mark.elapsed, mark.fraction * 100.0f);
        button.color = color;
        button.x = float(1.5 * double(indentSpacing) + double(start) * double(avail));
        button.width = avail * mark.fraction;
        view.buttons.push_back(button);
    }
    return view;
}

std::string PolyCountText(int32_t vertexCount)
{
    return "Poly count=" + FormatThousands(vertexCount / 3);
}

std::string VertexCountText(int32_t vertexCount)
{
    return "Vertex count=" + FormatThousands(vertexCount);
}
