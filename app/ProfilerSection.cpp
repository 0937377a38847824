#include "app/ProfilerSection.h"

#include <imgui.h>

#include "app/ProfilerStages.h"

namespace
{
ImVec4 ToImVec4(const glm::vec4& color)
{
    return ImVec4(color.r, color.g, color.b, color.a);
}

void DrawStageBar(const std::vector<StageButton>& buttons)
{
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        const StageButton& button = buttons[i];
        if (i > 0)
            ImGui::SameLine(0.0f, -1.0f);
        const ImVec4 color = ToImVec4(button.color);
        ImGui::PushStyleColor(ImGuiCol_Button, color);
        ImGui::PushStyleColor(ImGuiCol_ButtonHovered, color);
        ImGui::PushStyleColor(ImGuiCol_ButtonActive, color);
        ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(0.0f, 0.0f, 0.0f, 1.0f));
        ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(0.0f, 0.0f));
        ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 0.0f);
        ImGui::SetCursorPosX(button.x);
        ImGui::PushID(int(i));
        ImGui::Button(button.label.c_str(), ImVec2(button.width, 2.0f * ImGui::GetFontSize()));
        ImGui::PopID();
        ImGui::PopStyleVar(2);
        ImGui::PopStyleColor(4);
        if (ImGui::IsItemHovered())
            ImGui::SetTooltip("%s", button.label.c_str());
    }
}

void DrawStageTable(const std::vector<StageRow>& rows)
{
    ImGui::Columns(3);
    for (const StageRow& row : rows)
    {
        ImGui::PushStyleColor(ImGuiCol_Text, ToImVec4(row.color));
        ImGui::TextUnformatted(row.name.c_str());
        ImGui::NextColumn();
        ImGui::TextUnformatted(row.elapsed.c_str());
        ImGui::NextColumn();
        ImGui::TextUnformatted(row.share.c_str());
        ImGui::PopStyleColor();
        ImGui::NextColumn();
    }
}

void DrawCounts(int32_t vertexCount)
{
    ImGui::Columns(2);
    ImGui::TextWrapped("%s", PolyCountText(vertexCount).c_str());
    ImGui::NextColumn();
    ImGui::TextWrapped("%s", VertexCountText(vertexCount).c_str());
    ImGui::Columns(1);
}
}

void DrawProfilerSection(std::vector<ProfilerMark>& marks, int32_t vertexCount)
{
    if (!ImGui::CollapsingHeader("Profiler"))
        return;
    ImGui::Indent();
    const float avail = ImGui::GetContentRegionAvail().x;
    const ProfilerView view = BuildProfilerView(marks, avail, ImGui::GetStyle().IndentSpacing);
    DrawStageBar(view.buttons);
    DrawStageTable(view.rows);
    DrawCounts(vertexCount);
    ImGui::Unindent();
}
