#include "effects/SettingOverrides.h"

#include <algorithm>
#include <climits>
#include <type_traits>

#include "core/NumberText.h"
#include "core/CRenderSettings.h"
#include "core/FormatString.h"
#include "effects/ParticleParams.h"

namespace
{
// The type of a setting's value, from where it lives in any pair of owners.
SettingType TypeOf(const Setting& setting)
{
    static ParticleParams particles;
    return SettingType(setting.locate({CRenderSettings::GetInstance(), particles}).index());
}

double AsNumber(const SettingValue& value)
{
    if (const float* real = std::get_if<float>(&value))
        return double(*real);
    if (const int32_t* whole = std::get_if<int32_t>(&value))
        return double(*whole);
    return 0.0;
}

// Exactly the components of `out`, finite numbers separated by commas.
template <typename Vector>
bool ParseVector(const std::string& text, Vector& out)
{
    size_t start = 0;
    for (int i = 0; i < Vector::length(); ++i)
    {
        const size_t comma = i + 1 < Vector::length() ? text.find(',', start) : text.size();
        if (comma == std::string::npos || !ParseWholeFloat(text.substr(start, comma - start), out[i]))
            return false;
        start = comma + 1;
    }
    return true;
}

std::optional<SettingValue> ParseValue(const std::string& text, SettingType type)
{
    float real = 0.0f;
    int whole = 0;
    if (type == SettingType::Float && ParseWholeFloat(text, real))
        return real;
    if (type == SettingType::Integer && ParseWholeInt(text, INT32_MIN, INT32_MAX, whole))
        return int32_t(whole);
    if (type == SettingType::Switch && (text == "1" || text == "true"))
        return true;
    if (type == SettingType::Switch && (text == "0" || text == "false"))
        return false;
    glm::vec2 pair;
    glm::vec3 triple;
    if (type == SettingType::Vector2 && ParseVector(text, pair))
        return pair;
    if (type == SettingType::Vector3 && ParseVector(text, triple))
        return triple;
    return std::nullopt;
}

const char* TypeDescription(SettingType type)
{
    switch (type)
    {
    case SettingType::Float:
        return "a finite number";
    case SettingType::Integer:
        return "an integer";
    case SettingType::Vector2:
        return "two finite numbers X,Y";
    case SettingType::Vector3:
        return "three finite numbers X,Y,Z";
    default:
        return "0, 1, true or false";
    }
}

// The particles' settings are read every frame except the flakes' size, which
// the snow's program takes when it is made.
const char* const kStartUpOnlySetting = "particles.billboardSize";

// The problem in `text`, or "" when `setting` holds it parsed.
std::string Parse(const std::string& text, SettingOverride& setting)
{
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
        return "'" + text + "' is not NAME=VALUE[@FRAME]";
    const std::string name = text.substr(0, equals);
    if (name == kStartUpOnlySetting)
        return "setting '" + name + "' is read once when the snow starts, before --set applies: it cannot be set";
    setting.setting = FindSetting(name.c_str());
    if (setting.setting == nullptr)
        return "unknown setting '" + name + "'";

    const size_t at = text.find('@', equals);
    const std::string value = text.substr(equals + 1, at == std::string::npos ? std::string::npos : at - equals - 1);
    const SettingType type = TypeOf(*setting.setting);
    const std::optional<SettingValue> parsed = ParseValue(value, type);
    if (!parsed)
        return "bad value '" + value + "' for setting '" + name + "' (" + TypeDescription(type) + ")";
    setting.value = *parsed;
    const std::string outOfRange = SettingLimitProblem(*setting.setting, AsNumber(setting.value));
    if (!outOfRange.empty())
        return outOfRange;

    if (at != std::string::npos && !ParseWholeInt(text.substr(at + 1), 1, INT_MAX, setting.frame))
        return "bad frame '" + text.substr(at + 1) + "' for setting '" + name + "' (an integer from 1)";
    return "";
}
}

std::optional<SettingOverride> ParseSettingOverride(const std::string& text, std::string& error)
{
    SettingOverride setting;
    const std::string problem = Parse(text, setting);
    if (problem.empty())
        return setting;
    error = problem + " (accepted: " + AcceptedSettingNames() + ")";
    return std::nullopt;
}

void ApplySettingOverride(const SettingOverride& setting, const SettingOwners& owners)
{
    std::visit(
        [&](auto* target) {
            using Field = std::remove_pointer_t<decltype(target)>;
            if (target != nullptr)
                *target = std::get<Field>(setting.value);
        },
        setting.setting->locate(owners));
}

bool SettingOverrideHeld(const SettingOverride& setting, const SettingOwners& owners)
{
    return std::visit(
        [&](auto* target) {
            using Field = std::remove_pointer_t<decltype(target)>;
            return target != nullptr && *target == std::get<Field>(setting.value);
        },
        setting.setting->locate(owners));
}

void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, const SettingOwners& owners)
{
    for (const SettingOverride& setting : settings)
        if (setting.frame == frame)
            ApplySettingOverride(setting, owners);
}

std::string SettingLimitProblem(const Setting& setting, double value)
{
    if (!setting.limit)
        return "";
    const SettingLimit& limit = *setting.limit;
    const bool low = limit.aboveMinimum ? !(value > limit.minimum) : !(value >= limit.minimum);
    if (!low && value <= limit.maximum)
        return "";
    return FormatString("setting '%s' must be %s %g and at most %g", setting.name,
                        limit.aboveMinimum ? "above" : "at least", limit.minimum, limit.maximum);
}

std::vector<std::string> SettingNames(SettingType type)
{
    std::vector<std::string> names;
    for (const Setting& setting : SettingTable())
        if (setting.name != nullptr && TypeOf(setting) == type)
            names.push_back(setting.name);
    return names;
}

std::string AcceptedSettingNames()
{
    std::vector<std::string> names;
    for (const Setting& setting : SettingTable())
        if (setting.name != nullptr)
            names.push_back(setting.name);
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}
