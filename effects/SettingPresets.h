#pragma once

#include <optional>
#include <string>
#include <vector>

#include "effects/SettingOverrides.h"

// A named list of setting values, each NAME=VALUE as --set takes it.
struct SettingPreset
{
    const char* name;
    std::vector<const char*> values;
};

// The quality presets, dearest first: "Full" (the default settings), the
// cheaper "Balanced" and "Fast", and "Auto", which lets the render scale hold
// the target frame time. Every setting a preset names, "Full" names too, at
// its default, so that picking "Full" undoes any other.
const std::vector<SettingPreset>& SettingPresets();

// The preset of this name, or null.
const SettingPreset* FindPreset(const std::string& name);

// The names of the presets, in order, separated by ", ".
std::string PresetNames();

// The preset's values, parsed. On a bad one returns nothing and sets `error`
// to one line naming the preset and the problem.
std::optional<std::vector<SettingOverride>> ParsePreset(const SettingPreset& preset, std::string& error);

// Sets the values of one of SettingPresets() (every one parses: the tests check it).
void ApplyPreset(const SettingPreset& preset, const SettingOwners& owners);

// The first preset whose every value the owners hold, or null once one of
// them has been edited.
const SettingPreset* MatchingPreset(const SettingOwners& owners);
