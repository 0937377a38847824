#include "effects/SettingsPanel.h"

#include <cstdint>
#include <imgui.h>

#include "core/CRenderSettings.h"
#include "core/FormatString.h"
#include "core/SceneObject.h"
#include "effects/ParticleParams.h"
#include "effects/RenderTextureList.h"

namespace
{
const float kSpawnRateMin = 1.0f;
const float kSpawnRateMax = 5000.0f;
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

bool Slider(const char* label, float& value, float minimum, float maximum)
{
    return ImGui::SliderFloat(label, &value, minimum, maximum, "%.3f", kClamp);
}

void DrawPointLight(PointLight& light)
{
    ImGui::DragFloat3("Point light pos", &light.Position.x, 1.0f, -100.0f, 100.0f, "%.3f", kClamp);
    Slider("Point light diff intensity", light.Base.DiffuseIntensity, 0.0f, 10.0f);
    Slider("Point light const", light.Atten.Constant, 0.001f, 10.0f);
    Slider("Point light linear", light.Atten.Linear, 0.001f, 3.0f);
    Slider("Point light exp", light.Atten.Exp, 0.001f, 0.8f);
}

void DrawToneMapping(int32_t& toneMapping)
{
    static const char* const kCurves[] = {"Linear", "Reinhard", "Filmic", "Uncharted 2"};
    int item = toneMapping;
    ImGui::Combo("Tone mapping", &item, kCurves, 4);
    toneMapping = item;
}

void DrawRenderTexture(CRenderSettings& settings)
{
    const std::string items = RenderTextureComboItems(settings.renderTextures);
    int item = RenderTextureComboIndex(settings.renderTextures, settings.selectedRenderTexture);
    ImGui::Combo("Render texture", &item, items.c_str(), int(settings.renderTextures.size()));
    settings.selectedRenderTexture = RenderTextureAt(settings.renderTextures, item);
    if (settings.selectedRenderTexture == -1)
        return;
    // Texture rows run bottom-up; flipping v shows the image upright.
    const auto texture = reinterpret_cast<ImTextureID>(intptr_t(settings.selectedRenderTexture));
    ImGui::Image(texture, ImVec2(256.0f, 256.0f), ImVec2(0.0f, 1.0f), ImVec2(1.0f, 0.0f), ImVec4(1.0f, 1.0f, 1.0f, 1.0f),
                 ImVec4(0.0f, 0.0f, 0.0f, 0.0f));
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

void DrawLightsSection(CRenderSettings& settings)
{
    if (!BeginSection("Lights"))
        return;
    Slider("Time of day", settings.timeOfDay, 0.001f, 360.0f);
    if (!settings.pointLights.empty())
        DrawPointLight(settings.pointLights[0]);
    ImGui::Unindent();
}

void DrawPostProcessingSection(CRenderSettings& settings)
{
    if (!BeginSection("Post processing"))
        return;
    Slider("Exposure", settings.exposure, 0.0f, 4.0f);
    ImGui::Checkbox("Bloom", &settings.bloom);
    ImGui::Checkbox("FXAA", &settings.fxaa);
    ImGui::Checkbox("DOF", &settings.dof);
    Slider("Focus distance", settings.focusDistance, 0.0f, 1.0f);
    Slider("DOF size", settings.dofSize, 0.0f, 1.0f);
    Slider("DOF falloff", settings.dofFalloff, 0.001f, 1.0f);
    Slider("DOF max blur", settings.dofMaxBlur, 0.0f, 5.0f);
    ImGui::Checkbox("Vignette", &settings.vignette);
    Slider("Lens flare scale", settings.lensFlareScale, 0.0f, 3.0f);
    Slider("Lens flare bias", settings.lensFlareBias, -3.0f, 3.0f);
    DrawToneMapping(settings.toneMapping);
    ImGui::Unindent();
}

void DrawParticlesSection(ParticleParams& particles, int32_t particleCount)
{
    if (!BeginSection("Particles"))
        return;
    ImGui::Text("Particle count: %s", FormatThousands(particleCount).c_str());
    ImGui::DragFloat3("Direction", &particles.genGravityVector.x, 0.1f, -30.0f, 30.0f, "%.3f", kClamp);
    float rate = float(particles.generateCount);
    ImGui::DragFloat("Spawn rate", &rate, 10.0f, kSpawnRateMin, kSpawnRateMax, "%.0f", kClamp);
    particles.generateCount = StoredSpawnRate(rate);
    ImGui::DragFloat2("Spawn area", &particles.spawnArea.x, 1.0f, 10.0f, 300.0f, "%.3f", kClamp);
    ImGui::DragFloat("Spawn pos y", &particles.genPosition.y, 1.0f, 10.0f, 100.0f, "%.3f", kClamp);
    ImGui::DragFloat("Turbulence", &particles.noise, 0.1f, 0.0f, 150.0f, "%.3f", kClamp);
    ImGui::Unindent();
}

void DrawDebugSection(CRenderSettings& settings)
{
    if (!BeginSection("Debug"))
        return;
    ImGui::Checkbox("Show CSM cascades", &settings.showCsmCascades);
    ImGui::Checkbox("Show DOF area", &settings.showDofArea);
    DrawRenderTexture(settings);
    ImGui::Unindent();
}
