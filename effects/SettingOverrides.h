#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "effects/SettingTable.h"

using SettingValue = std::variant<float, int32_t, bool, glm::vec2, glm::vec3>;

enum class SettingType
{
    Float,   // the SettingValue alternatives, in order
    Integer,
    Switch,
    Vector2,
    Vector3,
};

// One NAME=VALUE[@FRAME] from the command line, parsed.
struct SettingOverride
{
    const Setting* setting = nullptr;
    SettingValue value;
    int frame = 0; // 0: right after start-up; else the frame (from 1) at whose start it applies
};

// Parses NAME=VALUE[@FRAME]. On failure returns nothing and sets `error` to one
// line naming the problem and the accepted names.
std::optional<SettingOverride> ParseSettingOverride(const std::string& text, std::string& error);

void ApplySettingOverride(const SettingOverride& setting, const SettingOwners& owners);
// Whether the owners hold the override's value (false while its record is not there).
bool SettingOverrideHeld(const SettingOverride& setting, const SettingOwners& owners);
// Applies, in order, the overrides meant for `frame` (0: right after start-up).
void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, const SettingOwners& owners);

// Why `value` lies beyond the hard limit of `setting` ("" when within it, or
// when the setting takes any value of its type).
std::string SettingLimitProblem(const Setting& setting, double value);

// The --set names of one type, in table order.
std::vector<std::string> SettingNames(SettingType type);
// Every settable name, sorted and separated by ", ".
std::string AcceptedSettingNames();
