#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class CRenderSettings;
struct ParticleParams;

// A field that the command line may set, by its name in the code: a scalar of
// CRenderSettings, or a field of the scene's particle settings ("particles.NAME").
using SettingMember =
    std::variant<float CRenderSettings::*, int32_t CRenderSettings::*, bool CRenderSettings::*,
                 float ParticleParams::*, int32_t ParticleParams::*, glm::vec2 ParticleParams::*,
                 glm::vec3 ParticleParams::*>;
using SettingValue = std::variant<float, int32_t, bool, glm::vec2, glm::vec3>;

enum class SettingType
{
    Float,   // the SettingValue alternatives, in order
    Integer,
    Switch,
    Vector2,
    Vector3,
};

// What the settings are written into.
struct SettingTargets
{
    CRenderSettings& render;
    ParticleParams& particles;
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

void ApplySettingOverride(const SettingOverride& setting, SettingTargets targets);
// Applies, in order, the overrides meant for `frame` (0: right after start-up).
void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, SettingTargets targets);

// Names of the settable fields of one type, in table order.
std::vector<std::string> SettingNames(SettingType type);
// Every settable name, sorted and separated by ", ".
std::string AcceptedSettingNames();
