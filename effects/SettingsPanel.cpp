#include "effects/SettingsPanel.h"

#include <cstdint>
#include <imgui.h>

#include "core/CRenderSettings.h"
#include "core/FormatString.h"
#include "core/SceneObject.h"
#include "effects/ParticleParams.h"
#include "effects/RenderTextureList.h"
#include "effects/SettingPresets.h"
#include "effects/SettingTable.h"

namespace
{
// A value typed into a slider or drag (Ctrl+click) is held to its range too.
const ImGuiSliderFlags kClamp = ImGuiSliderFlags_AlwaysClamp;

// Opens a section's indented body; false while the section is closed.
bool BeginSection(const char* label)
{
    if (!ImGui::CollapsingHeader(label))
        return false;
    ImGui::Indent();
    return true;
}

void DrawToneMapping(const char* label, int32_t& toneMapping)
{
    static const char* const kCurves[] = {"Linear", "Reinhard", "Filmic", "Uncharted 2"};
    int item = toneMapping;
    ImGui::Combo(label, &item, kCurves, 4);
    toneMapping = item;
}

void DrawRenderTexture(const char* label, CRenderSettings& settings)
{
    const std::string items = RenderTextureComboItems(settings.renderTextures);
    int item = RenderTextureComboIndex(settings.renderTextures, settings.selectedRenderTexture);
    ImGui::Combo(label, &item, items.c_str(), int(settings.renderTextures.size()));
    settings.selectedRenderTexture = RenderTextureAt(settings.renderTextures, item);
    if (settings.selectedRenderTexture == -1)
        return;
    // Texture rows run bottom-up; flipping v shows the image upright.
    const auto texture = reinterpret_cast<ImTextureID>(intptr_t(settings.selectedRenderTexture));
    ImGui::Image(texture, ImVec2(256.0f, 256.0f), ImVec2(0.0f, 1.0f), ImVec2(1.0f, 0.0f), ImVec4(1.0f, 1.0f, 1.0f, 1.0f),
                 ImVec4(0.0f, 0.0f, 0.0f, 0.0f));
}

void DrawSpawnRate(const Setting& setting, int32_t& generateCount)
{
    float rate = float(generateCount);
    ImGui::DragFloat(setting.label, &rate, setting.speed, setting.minimum, setting.maximum, setting.format, kClamp);
    generateCount = StoredSpawnRate(rate);
}

void DrawDrag(const Setting& setting, const SettingPointer& value)
{
    const float speed = setting.speed, low = setting.minimum, high = setting.maximum;
    if (float* const* one = std::get_if<float*>(&value))
        ImGui::DragFloat(setting.label, *one, speed, low, high, setting.format, kClamp);
    else if (glm::vec2* const* two = std::get_if<glm::vec2*>(&value))
        ImGui::DragFloat2(setting.label, &(*two)->x, speed, low, high, setting.format, kClamp);
    else if (glm::vec3* const* three = std::get_if<glm::vec3*>(&value))
        ImGui::DragFloat3(setting.label, &(*three)->x, speed, low, high, setting.format, kClamp);
}

template <typename Value>
Value* Get(const SettingPointer& value)
{
    Value* const* pointer = std::get_if<Value*>(&value);
    return pointer != nullptr ? *pointer : nullptr;
}

void DrawSetting(const Setting& setting, const SettingOwners& owners)
{
    const SettingPointer value = setting.locate(owners);
    if (std::visit([](auto* pointer) { return pointer == nullptr; }, value))
        return; // a record that is not there yet
    switch (setting.widget)
    {
    case PanelWidget::Slider:
        ImGui::SliderFloat(setting.label, Get<float>(value), setting.minimum, setting.maximum, setting.format, kClamp);
        break;
    case PanelWidget::Drag:
        DrawDrag(setting, value);
        break;
    case PanelWidget::Checkbox:
        ImGui::Checkbox(setting.label, Get<bool>(value));
        break;
    case PanelWidget::ToneCurves:
        DrawToneMapping(setting.label, *Get<int32_t>(value));
        break;
    case PanelWidget::RenderTexture:
        DrawRenderTexture(setting.label, owners.render);
        break;
    case PanelWidget::SpawnRate:
        DrawSpawnRate(setting, *Get<int32_t>(value));
        break;
    case PanelWidget::None:
        break;
    }
}

// The table's settings of one section, in table order.
void DrawSettings(PanelSection section, const SettingOwners& owners)
{
    for (const Setting& setting : SettingTable())
        if (setting.section == section)
            DrawSetting(setting, owners);
}

// The preset whose values the settings hold ("Custom" once one is edited);
// picking one sets its values.
void DrawPresetCombo(const SettingOwners& owners)
{
    const SettingPreset* current = MatchingPreset(owners);
    if (!ImGui::BeginCombo("Preset", current != nullptr ? current->name : "Custom"))
        return;
    for (const SettingPreset& preset : SettingPresets())
        if (ImGui::Selectable(preset.name, &preset == current))
            ApplyPreset(preset, owners);
    ImGui::EndCombo();
}

// A section that holds settings only.
void DrawSettingsSection(const char* label, PanelSection section, const SettingOwners& owners)
{
    if (!BeginSection(label))
        return;
    DrawSettings(section, owners);
    ImGui::Unindent();
}
}

int32_t StoredSpawnRate(float rate)
{
    if (!(rate >= kSpawnRateMin)) // NaN too
        return int32_t(kSpawnRateMin);
    if (rate > kSpawnRateMax)
        return int32_t(kSpawnRateMax);
    return int32_t(rate);
}

void DrawSceneSection(SceneObject* foliage)
{
    if (!BeginSection("Scene"))
        return;
    if (foliage != nullptr)
    {
        bool shown = (foliage->flags & FlagHidden) == 0;
        ImGui::Checkbox("Render foilage/rocks", &shown);
        foliage->flags = shown ? (foliage->flags & ~uint32_t(FlagHidden)) : (foliage->flags | FlagHidden);
    }
    ImGui::Unindent();
}

void DrawLightsSection(const SettingOwners& owners)
{
    DrawSettingsSection("Lights", PanelSection::Lights, owners);
}

void DrawPostProcessingSection(const SettingOwners& owners)
{
    DrawSettingsSection("Post processing", PanelSection::PostProcessing, owners);
}

void DrawParticlesSection(const SettingOwners& owners, int32_t particleCount)
{
    if (!BeginSection("Particles"))
        return;
    ImGui::Text("Particle count: %s", FormatThousands(particleCount).c_str());
    DrawSettings(PanelSection::Particles, owners);
    ImGui::Unindent();
}

void DrawDebugSection(const SettingOwners& owners)
{
    DrawSettingsSection("Debug", PanelSection::Debug, owners);
}

void DrawQualitySection(const SettingOwners& owners)
{
    if (!BeginSection("Quality"))
        return;
    DrawPresetCombo(owners);
    DrawSettings(PanelSection::Quality, owners);
    ImGui::Unindent();
}
