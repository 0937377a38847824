#include "SettingOverrides.h"

#include <algorithm>
#include <climits>
#include <type_traits>

#include "NumberText.h"
#include "core/CRenderSettings.h"

namespace
{
using S = CRenderSettings;

// Every field the command line may set; a new scalar setting needs one line here.
const SettingField fields[] = {
    {"fieldOfView", &S::fieldOfView},
    {"nearPlane", &S::nearPlane},
    {"farPlane", &S::farPlane},
    {"exposure", &S::exposure},
    {"lensFlareScale", &S::lensFlareScale},
    {"lensFlareBias", &S::lensFlareBias},
    {"ghostDispersal", &S::ghostDispersal},
    {"focusDistance", &S::focusDistance},
    {"dofSize", &S::dofSize},
    {"dofFalloff", &S::dofFalloff},
    {"dofMaxBlur", &S::dofMaxBlur},
    {"timeOfDay", &S::timeOfDay},
    {"toneMapping", &S::toneMapping},
    {"ghostCount", &S::ghostCount},
    {"shadowMapWidth", &S::shadowMapWidth},
    {"shadowMapHeight", &S::shadowMapHeight},
    {"selectedRenderTexture", &S::selectedRenderTexture},
    {"bloom", &S::bloom},
    {"fxaa", &S::fxaa},
    {"vignette", &S::vignette},
    {"dof", &S::dof},
    {"showCsmCascades", &S::showCsmCascades},
    {"showDofArea", &S::showDofArea},
};

SettingType TypeOf(const SettingField& field)
{
    return SettingType(field.member.index());
}

const SettingField* FindField(const std::string& name)
{
    for (const SettingField& field : fields)
        if (name == field.name)
            return &field;
    return nullptr;
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
    default:
        return "0, 1, true or false";
    }
}

// The problem in `text`, or "" when `setting` holds it parsed.
std::string Parse(const std::string& text, SettingOverride& setting)
{
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
        return "'" + text + "' is not NAME=VALUE[@FRAME]";
    const std::string name = text.substr(0, equals);
    setting.field = FindField(name);
    if (setting.field == nullptr)
        return "unknown setting '" + name + "'";

    const size_t at = text.find('@', equals);
    const std::string value = text.substr(equals + 1, at == std::string::npos ? std::string::npos : at - equals - 1);
    const std::optional<SettingValue> parsed = ParseValue(value, TypeOf(*setting.field));
    if (!parsed)
        return "bad value '" + value + "' for setting '" + name + "' (" + TypeDescription(TypeOf(*setting.field)) + ")";
    setting.value = *parsed;

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

void ApplySettingOverride(const SettingOverride& setting, CRenderSettings& settings)
{
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(settings.*member)>;
            settings.*member = std::get<Field>(setting.value);
        },
        setting.field->member);
}

void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, CRenderSettings& target)
{
    for (const SettingOverride& setting : settings)
        if (setting.frame == frame)
            ApplySettingOverride(setting, target);
}

std::vector<std::string> SettingNames(SettingType type)
{
    std::vector<std::string> names;
    for (const SettingField& field : fields)
        if (TypeOf(field) == type)
            names.push_back(field.name);
    return names;
}

std::string AcceptedSettingNames()
{
    std::vector<std::string> names;
    for (const SettingField& field : fields)
        names.push_back(field.name);
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}
