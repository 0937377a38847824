#include "app/UserInterfaceStyle.h"

#include <cstdio>
#include <imgui.h>

#include "app/FontFile.h"
#include "core/ResourcePath.h"

namespace
{
const char* const kFontPath = "Resources\\fonts\\DroidSans.ttf";
// The interface font carries no Latin letters of its own; they come from here.
const char* const kLatinFontPath = "Resources\\fonts\\OpenSans-Regular.ttf";

void LoadFont()
{
    const std::string path = ResolveResourcePath(kFontPath);
    const std::string latinPath = ResolveResourcePath(kLatinFontPath);
    // The library stops the program on a font it can't parse; check first.
    if (!IsUsableFontFile(path) || !IsUsableFontFile(latinPath))
    {
        std::printf("[UI] Fonts '%s' and '%s' missing or unreadable, using the built-in font\n", path.c_str(),
                    latinPath.c_str());
        return;
    }
    ImFontAtlas* fonts = ImGui::GetIO().Fonts;
    fonts->AddFontFromFileTTF(path.c_str(), 16.0f);
    ImFontConfig merge;
    merge.MergeMode = true; // adds only the glyphs the first font lacks
    fonts->AddFontFromFileTTF(latinPath.c_str(), 16.0f, &merge);
    if (fonts->Build())
        return;
    std::printf("[UI] Fonts '%s' and '%s' could not be built, using the built-in font\n", path.c_str(),
                latinPath.c_str());
    fonts->Clear();
    fonts->AddFontDefault();
}

void SetColors(ImVec4* c)
{
    const ImVec4 blue(0.26f, 0.59f, 0.98f, 1.0f);
    const ImVec4 grey36(0.36f, 0.36f, 0.36f, 1.0f);
    const ImVec4 frame(0.16f, 0.16f, 0.16f, 1.0f);
    c[ImGuiCol_Text] = ImVec4(0.73f, 0.73f, 0.73f, 1.0f);
    c[ImGuiCol_TextDisabled] = ImVec4(0.50f, 0.50f, 0.50f, 1.0f);
    c[ImGuiCol_WindowBg] = ImVec4(0.26f, 0.26f, 0.26f, 0.95f);
    c[ImGuiCol_ChildBg] = ImVec4(0.28f, 0.28f, 0.28f, 1.0f);
    c[ImGuiCol_PopupBg] = ImVec4(0.26f, 0.26f, 0.26f, 1.0f);
    c[ImGuiCol_Border] = ImVec4(0.26f, 0.26f, 0.26f, 1.0f);
    c[ImGuiCol_BorderShadow] = ImVec4(0.26f, 0.26f, 0.26f, 1.0f);
    c[ImGuiCol_FrameBg] = frame;
    c[ImGuiCol_FrameBgHovered] = frame;
    c[ImGuiCol_FrameBgActive] = frame;
    c[ImGuiCol_TitleBg] = grey36;
    c[ImGuiCol_TitleBgCollapsed] = grey36;
    c[ImGuiCol_TitleBgActive] = grey36;
    c[ImGuiCol_MenuBarBg] = ImVec4(0.26f, 0.26f, 0.26f, 1.0f);
    c[ImGuiCol_ScrollbarBg] = ImVec4(0.21f, 0.21f, 0.21f, 1.0f);
    c[ImGuiCol_ScrollbarGrab] = grey36;
    c[ImGuiCol_ScrollbarGrabHovered] = grey36;
    c[ImGuiCol_ScrollbarGrabActive] = grey36;
    c[ImGuiCol_CheckMark] = ImVec4(0.78f, 0.78f, 0.78f, 1.0f);
    c[ImGuiCol_SliderGrab] = ImVec4(0.74f, 0.74f, 0.74f, 1.0f);
    c[ImGuiCol_SliderGrabActive] = ImVec4(0.74f, 0.74f, 0.74f, 1.0f);
    c[ImGuiCol_Button] = grey36;
    c[ImGuiCol_ButtonHovered] = ImVec4(0.43f, 0.43f, 0.43f, 1.0f);
    c[ImGuiCol_ButtonActive] = ImVec4(0.11f, 0.11f, 0.11f, 1.0f);
    c[ImGuiCol_Header] = grey36;
    c[ImGuiCol_HeaderHovered] = grey36;
    c[ImGuiCol_HeaderActive] = grey36;
    c[ImGuiCol_Separator] = ImVec4(0.39f, 0.39f, 0.39f, 1.0f);
    c[ImGuiCol_SeparatorHovered] = blue;
    c[ImGuiCol_SeparatorActive] = blue;
    c[ImGuiCol_ResizeGrip] = grey36;
    c[ImGuiCol_ResizeGripHovered] = blue;
    c[ImGuiCol_ResizeGripActive] = blue;
    c[ImGuiCol_PlotLines] = ImVec4(0.39f, 0.39f, 0.39f, 1.0f);
    c[ImGuiCol_PlotLinesHovered] = ImVec4(1.00f, 0.43f, 0.35f, 1.0f);
    c[ImGuiCol_PlotHistogram] = ImVec4(0.90f, 0.70f, 0.00f, 1.0f);
    c[ImGuiCol_PlotHistogramHovered] = ImVec4(1.00f, 0.60f, 0.00f, 1.0f);
    c[ImGuiCol_TextSelectedBg] = ImVec4(0.32f, 0.52f, 0.65f, 1.0f);
    c[ImGuiCol_ModalWindowDimBg] = ImVec4(0.20f, 0.20f, 0.20f, 0.50f);
    // Combo lists are popups now and take PopupBg; the close button takes the
    // button colours. Tabs, tables and navigation keep the library's defaults.
}
}

void ApplyUserInterfaceStyle()
{
    LoadFont();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.WindowTitleAlign = ImVec2(0.5f, 0.5f);
    style.ChildRounding = 3.0f;
    style.FrameRounding = 3.0f;
    style.IndentSpacing = 20.0f;
    style.ScrollbarRounding = 3.0f;
    style.GrabRounding = 0.0f;
    SetColors(style.Colors);
}
