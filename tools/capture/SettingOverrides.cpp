#include "SettingOverrides.h"

#include <algorithm>
#include <climits>
#include <type_traits>

#include "NumberText.h"
#include "SettingRanges.h"
#include "core/CRenderSettings.h"
#include "effects/ParticleParams.h"

namespace
{
using S = CRenderSettings;
using P = ParticleParams;

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
    {"particles.genPosition", &P::genPosition},
    {"particles.genVelocityMin", &P::genVelocityMin},
    {"particles.genVelocityMax", &P::genVelocityMax},
    {"particles.genGravityVector", &P::genGravityVector},
    {"particles.genLifeMin", &P::genLifeMin},
    {"particles.genLifeMax", &P::genLifeMax},
    {"particles.generateCount", &P::generateCount},
    {"particles.spawnArea", &P::spawnArea},
    {"particles.noise", &P::noise},
};

template <typename Owner, typename Field>
SettingValue ZeroOf(Field Owner::*)
{
    return Field{};
}

template <typename Field>
CRenderSettings& OwnerOf(Field CRenderSettings::*, SettingTargets targets)
{
    return targets.render;
}

template <typename Field>
ParticleParams& OwnerOf(Field ParticleParams::*, SettingTargets targets)
{
    return targets.particles;
}

SettingType TypeOf(const SettingField& field)
{
    return SettingType(std::visit([](auto member) { return ZeroOf(member); }, field.member).index());
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
    setting.field = FindField(name);
    if (setting.field == nullptr)
        return "unknown setting '" + name + "'";

    const size_t at = text.find('@', equals);
    const std::string value = text.substr(equals + 1, at == std::string::npos ? std::string::npos : at - equals - 1);
    const std::optional<SettingValue> parsed = ParseValue(value, TypeOf(*setting.field));
    if (!parsed)
        return "bad value '" + value + "' for setting '" + name + "' (" + TypeDescription(TypeOf(*setting.field)) + ")";
    setting.value = *parsed;
    const std::string outOfRange = SettingRangeProblem(name, setting.value);
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

void ApplySettingOverride(const SettingOverride& setting, SettingTargets targets)
{
    std::visit(
        [&](auto member) {
            auto& owner = OwnerOf(member, targets);
            using Field = std::remove_reference_t<decltype(owner.*member)>;
            owner.*member = std::get<Field>(setting.value);
        },
        setting.field->member);
}

void ApplySettingOverrides(const std::vector<SettingOverride>& settings, int frame, SettingTargets targets)
{
    for (const SettingOverride& setting : settings)
        if (setting.frame == frame)
            ApplySettingOverride(setting, targets);
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
