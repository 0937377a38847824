#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class CRenderSettings;

// A scalar field of CRenderSettings that the command line may set, by its name in the code.
using SettingMember = std::variant<float CRenderSettings::*, int32_t CRenderSettings::*, bool CRenderSettings::*>;
using SettingValue = std::variant<float, int32_t, bool>;

enum class SettingType
{
    Float,   // the SettingMember alternatives, in order
    Integer,
    Switch,
};

struct SettingField
{
    const char* name;
    SettingMember member;
};

// One NAME=VALUE[@FRAME] from the command line, parsed.
struct SettingOverride
{
    const SettingField* field = nullptr;
    SettingValue value;
    int frame = 0; // 0: right after start-up; else the frame (from 1) at whose start it applies
};

// Parses NAME=VALUE[@FRAME]. On failure returns nothing and sets `error` to one
// line naming the problem and the accepted names.
std::optional<SettingOverride> ParseSettingOverride(const std::string& text, std::string& error);

void ApplySettingOverride(const SettingOverride& setting, CRenderSettings& settings);
// Applies, in order, the overrides meant for `frame` (0: right after start-up).
void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, CRenderSettings& target);

// Names of the settable fields of one type, in table order.
std::vector<std::string> SettingNames(SettingType type);
// Every settable name, sorted and separated by ", ".
std::string AcceptedSettingNames();
