#include "effects/SettingPresets.h"

#include <algorithm>

namespace
{
// What buys the most time for the least picture on a renderer without a GPU
// (see the README's "Without a GPU"): the render scale, the shadow maps' size,
// the lamps' cube maps and FXAA, which runs at the window's size.
const std::vector<SettingPreset> kPresets = {
    {"Full",
     {"renderScale=1", "autoRenderScale=0", "shadowMapWidth=1600", "shadowMapHeight=1600", "lampShadows=1", "fxaa=1"}},
    {"Balanced",
     {"renderScale=0.5", "autoRenderScale=0", "shadowMapWidth=1024", "shadowMapHeight=1024", "lampShadows=1",
      "fxaa=1"}},
    {"Fast",
     {"renderScale=0.25", "autoRenderScale=0", "shadowMapWidth=256", "shadowMapHeight=256", "lampShadows=0", "fxaa=0"}},
    {"Auto", {"autoRenderScale=1", "shadowMapWidth=256", "shadowMapHeight=256", "lampShadows=0", "fxaa=0"}},
};

// The overrides of a preset known to parse, parsed once: the panel matches
// them against the settings every frame while its section is open.
const std::vector<SettingOverride>& ParsedValues(const SettingPreset& preset)
{
    static const std::vector<std::vector<SettingOverride>> parsed = [] {
        std::vector<std::vector<SettingOverride>> all;
        std::string error;
        for (const SettingPreset& each : kPresets)
            all.push_back(ParsePreset(each, error).value_or(std::vector<SettingOverride>()));
        return all;
    }();
    return parsed[size_t(&preset - kPresets.data())];
}
}

const std::vector<SettingPreset>& SettingPresets()
{
    return kPresets;
}

const SettingPreset* FindPreset(const std::string& name)
{
    const auto named = [&](const SettingPreset& preset) { return name == preset.name; };
    const auto found = std::find_if(kPresets.begin(), kPresets.end(), named);
    return found != kPresets.end() ? &*found : nullptr;
}

std::string PresetNames()
{
    std::string names;
    for (const SettingPreset& preset : kPresets)
        names += (names.empty() ? "" : ", ") + std::string(preset.name);
    return names;
}

std::optional<std::vector<SettingOverride>> ParsePreset(const SettingPreset& preset, std::string& error)
{
    std::vector<SettingOverride> values;
    for (const char* text : preset.values)
    {
        std::string problem;
        const std::optional<SettingOverride> value = ParseSettingOverride(text, problem);
        if (!value || value->frame != 0)
        {
            const std::string why = value ? "'" + std::string(text) + "' names a frame" : problem;
            error = "preset '" + std::string(preset.name) + "': " + why;
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

void ApplyPreset(const SettingPreset& preset, const SettingOwners& owners)
{
    for (const SettingOverride& value : ParsedValues(preset))
        ApplySettingOverride(value, owners);
}

const SettingPreset* MatchingPreset(const SettingOwners& owners)
{
    for (const SettingPreset& preset : kPresets)
    {
        const std::vector<SettingOverride>& values = ParsedValues(preset);
        if (std::all_of(values.begin(), values.end(),
                        [&](const SettingOverride& value) { return SettingOverrideHeld(value, owners); }))
            return &preset;
    }
    return nullptr;
}
