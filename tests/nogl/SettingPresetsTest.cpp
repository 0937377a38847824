#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/CRenderSettings.h"
#include "effects/ParticleParams.h"
#include "effects/SettingPresets.h"
#include "tools/capture/CaptureOptions.h"

namespace
{
// Each test leaves the process-wide settings as it found them.
class SettingPresetsTest : public ::testing::Test
{
protected:
    void TearDown() override { settings = saved; }

    SettingOwners Owners() { return {settings, particles}; }

    // The names of the settings a preset sets.
    std::set<std::string> NamesIn(const SettingPreset& preset)
    {
        std::set<std::string> names;
        for (const char* value : preset.values)
            names.insert(std::string(value).substr(0, std::string(value).find('=')));
        return names;
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    const CRenderSettings saved = CRenderSettings::GetInstance();
    ParticleParams particles;
};

std::string CaptureVerdict(std::vector<std::string> arguments, CaptureOptions* parsed = nullptr)
{
    arguments.insert(arguments.begin(), "kestrune-capture");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    std::string error;
    const std::optional<CaptureOptions> options = ParseCaptureOptions(int(argv.size()), argv.data(), error);
    if (options && parsed != nullptr)
        *parsed = *options;
    return options ? "" : error;
}
}

TEST_F(SettingPresetsTest, EveryPresetParsesAndFullUndoesAnyOther)
{
    ASSERT_EQ(PresetNames(), "Full, Balanced, Fast, Auto");
    const std::set<std::string> full = NamesIn(*FindPreset("Full"));
    ASSERT_EQ(MatchingPreset(Owners()), FindPreset("Full")) << "the defaults are Full";
    for (const SettingPreset& preset : SettingPresets())
    {
        std::string error;
        EXPECT_TRUE(ParsePreset(preset, error)) << error;
        for (const std::string& name : NamesIn(preset))
            EXPECT_EQ(full.count(name), 1u) << preset.name << " sets " << name << ", which Full leaves";

        ApplyPreset(preset, Owners());
        EXPECT_EQ(MatchingPreset(Owners()), &preset) << preset.name;
        ApplyPreset(*FindPreset("Full"), Owners());
        EXPECT_EQ(settings.renderScale, saved.renderScale) << preset.name;
        EXPECT_EQ(settings.autoRenderScale, saved.autoRenderScale) << preset.name;
        EXPECT_EQ(settings.shadowMapWidth, saved.shadowMapWidth) << preset.name;
        EXPECT_EQ(settings.shadowMapHeight, saved.shadowMapHeight) << preset.name;
    }
}

TEST_F(SettingPresetsTest, APresetEditedIsNoLongerMatchedAndAutoHoldsAnyScale)
{
    ApplyPreset(*FindPreset("Fast"), Owners());
    settings.renderScale = 0.3f;
    EXPECT_EQ(MatchingPreset(Owners()), nullptr) << "the panel shows Custom";
    ApplyPreset(*FindPreset("Auto"), Owners());
    EXPECT_TRUE(settings.autoRenderScale);
    settings.renderScale = 0.55f; // where the automatic scale moved it
    EXPECT_EQ(MatchingPreset(Owners()), FindPreset("Auto"));
}

TEST_F(SettingPresetsTest, APresetWithABadValueIsRefusedInOneLineThatNamesIt)
{
    std::string error;
    EXPECT_FALSE(ParsePreset({"Broken", {"renderScale=0.5", "noSuchSetting=1"}}, error));
    EXPECT_EQ(error.rfind("preset 'Broken': unknown setting 'noSuchSetting'", 0), 0u) << error;
    EXPECT_FALSE(ParsePreset({"Tiny", {"renderScale=0.1"}}, error));
    EXPECT_EQ(error.rfind("preset 'Tiny': setting 'renderScale' must be at least 0.25", 0), 0u) << error;
    EXPECT_FALSE(ParsePreset({"Late", {"renderScale=0.5@3"}}, error));
    EXPECT_EQ(error, "preset 'Late': 'renderScale=0.5@3' names a frame");
    EXPECT_EQ(FindPreset("fast"), nullptr) << "names are matched exactly";
}

TEST_F(SettingPresetsTest, CaptureTakesAPresetBeforeItsSettings)
{
    CaptureOptions options;
    ASSERT_EQ(CaptureVerdict({"--set", "renderScale=0.75", "--preset", "Fast"}, &options), "");
    ApplySettingOverrides(options.presetSettings, 0, Owners());
    ApplySettingOverrides(options.settings, 0, Owners());
    EXPECT_EQ(settings.renderScale, 0.75f) << "--set wins over the preset, wherever it stands";
    EXPECT_EQ(settings.shadowMapWidth, 256);

    ASSERT_EQ(CaptureVerdict({"--preset", "Fast", "--preset", "Full"}, &options), "");
    ApplySettingOverrides(options.presetSettings, 0, Owners());
    EXPECT_EQ(MatchingPreset(Owners()), FindPreset("Full")) << "the later preset replaces the earlier";

    EXPECT_EQ(CaptureVerdict({"--preset", "Slow"}), "unknown preset 'Slow' (accepted: Full, Balanced, Fast, Auto)");
    EXPECT_EQ(CaptureVerdict({"--preset"}), "option '--preset' needs a value");
}
