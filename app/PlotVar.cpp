#include "app/PlotVar.h"

#include <cfloat>
#include <imgui.h>
#include <map>

PlotStep StepPlotRecord(PlotRecord& record, float value, int frameCount)
{
    if (record.samples.size() != size_t(kPlotSamples))
        record = PlotRecord{std::vector<float>(size_t(kPlotSamples), 0.0f), 0, -1};
    if (record.insertIndex == kPlotSamples)
        record.insertIndex = 0;
    const int displayIndex = record.insertIndex;
    if (value != FLT_MAX)
        record.samples[size_t(record.insertIndex++)] = value;

    PlotStep step;
    step.draw = record.lastFrame != frameCount;
    step.offset = record.insertIndex;
    step.latest = record.samples[size_t(displayIndex)];
    record.lastFrame = frameCount;
    return step;
}

void PlotVar(const char* label, float value, float scaleMin, float scaleMax)
{
    static std::map<ImGuiID, PlotRecord> records;
    ImGui::PushID(label);
    PlotRecord& record = records[ImGui::GetID("")];
    const PlotStep step = StepPlotRecord(record, value, ImGui::GetFrameCount());
    if (step.draw)
    {
        ImGui::PlotLines("##plot", record.samples.data(), kPlotSamples, step.offset, nullptr, scaleMin, scaleMax,
                         ImVec2(0.0f, 40.0f));
        ImGui::SameLine(0.0f, -1.0f);
        ImGui::Text("%s\n%-3.4f", label, step.latest);
    }
    ImGui::PopID();
}
