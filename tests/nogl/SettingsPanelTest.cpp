// The settings panel: the spawn rate as stored, and the sections driven
// through the interface library's own input, frame by frame, without a window:
// a value typed into a slider or drag (as Ctrl+click lets a user do) is held to
// the widget's range.
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <cmath>
#include <functional>
#include <string>

#include "core/CRenderSettings.h"
#include "effects/ParticleParams.h"
#include "effects/SettingsPanel.h"

namespace
{
class SettingsPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(1600.0f, 900.0f);
        io.DeltaTime = 1.0f / 60.0f;
        io.KeyMap[ImGuiKey_Enter] = 13;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    void TearDown() override { ImGui::DestroyContext(); }

    // One frame of the "Info" window with `section` opened; `before` runs inside
    // the window ahead of the section's widgets.
    void Frame(const std::function<void()>& section, const std::function<void()>& before = {})
    {
        ImGui::NewFrame();
        ImGui::Begin("Info");
        if (before)
            before();
        ImGui::SetNextItemOpen(true);
        section();
        ImGui::End();
        ImGui::Render();
    }

    // Types `text` into the widget `label` (component `component` of a vector,
    // -1 for a single value) as its text input, then presses Enter.
    void Type(const std::function<void()>& section, const char* label, int component, const std::string& text)
    {
        Frame(section);
        Frame(section, [&] {
            ImGui::PushID(label);
            ImGuiID id = 0;
            if (component >= 0)
            {
                ImGui::PushID(component);
                id = ImGui::GetID("");
                ImGui::PopID();
            }
            ImGui::PopID();
            ImGui::GetCurrentContext()->NavActivateInputId = component >= 0 ? id : ImGui::GetID(label);
        });
        Frame(section);
        for (const char c : text)
            ImGui::GetIO().AddInputCharacter(c);
        Frame(section);
        ImGui::GetIO().KeysDown[13] = true;
        Frame(section);
        ImGui::GetIO().KeysDown[13] = false;
        Frame(section);
    }
};
}

TEST_F(SettingsPanelTest, TypedValuesAreHeldToTheirRanges)
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    ParticleParams particles;
    const SettingOwners owners = {settings, particles};
    const float exposure = settings.exposure;
    const auto post = [&] { DrawPostProcessingSection(owners); };
    Type(post, "Exposure", -1, "1.5");
    EXPECT_FLOAT_EQ(settings.exposure, 1.5f) << "a value within the range is taken as typed";
    Type(post, "Exposure", -1, "-1");
    EXPECT_FLOAT_EQ(settings.exposure, 0.0f);
    Type(post, "DOF max blur", -1, "80");
    EXPECT_FLOAT_EQ(settings.dofMaxBlur, 5.0f);
    settings.exposure = exposure;
    settings.dofMaxBlur = 1.0f;

    const auto snow = [&] { DrawParticlesSection(owners, 0); };
    Type(snow, "Spawn area", 0, "-50");
    EXPECT_FLOAT_EQ(particles.spawnArea.x, 10.0f);
    Type(snow, "Direction", 1, "1000");
    EXPECT_FLOAT_EQ(particles.genGravityVector.y, 30.0f);
    Type(snow, "Spawn rate", -1, "99999");
    EXPECT_EQ(particles.generateCount, 5000);
}

TEST_F(SettingsPanelTest, SpawnRateIsStoredTruncatedWithinItsRange)
{
    EXPECT_EQ(StoredSpawnRate(2.7f), 2);
    EXPECT_EQ(StoredSpawnRate(3000.0f), 3000);
    EXPECT_EQ(StoredSpawnRate(4999.99f), 4999);
    // Typed-in values outside the slider are kept to it; none turn the snow off.
    EXPECT_EQ(StoredSpawnRate(0.5f), 1);
    EXPECT_EQ(StoredSpawnRate(-40.0f), 1);
    EXPECT_EQ(StoredSpawnRate(1e20f), 5000);
    EXPECT_EQ(StoredSpawnRate(std::nanf("")), 1);
}
