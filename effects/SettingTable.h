#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <variant>
#include <vector>

class CRenderSettings;
struct ParticleParams;

// The records the settings live in.
struct SettingOwners
{
    CRenderSettings& render;
    ParticleParams& particles;
};

// Where a setting's value lives within its owners, as a pointer of the
// setting's own type: null (of that type) while the record is not there, as
// the first point light before the lights are made.
using SettingPointer = std::variant<float*, int32_t*, bool*, glm::vec2*, glm::vec3*>;
using SettingLocator = SettingPointer (*)(const SettingOwners& owners);

// The panel's sections that show settings, each a collapsing header.
enum class PanelSection
{
    None, // not on the panel
    Lights,
    PostProcessing,
    Particles,
    Debug,
    Quality,
};

// How the panel shows a setting. A value typed into a slider or a drag is held
// to its range too.
enum class PanelWidget
{
    None,
    Slider,        // a number over [minimum, maximum], shown with `format`
    Drag,          // one, two or three numbers, moved by `speed` a pixel
    Checkbox,
    ToneCurves,    // a combo of the four tone curves
    RenderTexture, // the combo of the registered render textures, and the chosen one's image
    SpawnRate,     // a whole rate shown as a drag of a number (see StoredSpawnRate)
};

// What the capture tool's --set refuses: a value outside [minimum, maximum],
// or not above `minimum` where `aboveMinimum` is set (a value that must be
// positive). Beyond it a value divides by zero, inverts a projection, indexes
// past a table or makes the driver refuse a viewport.
struct SettingLimit
{
    double minimum;
    double maximum;
    bool aboveMinimum;
};

// One setting: its --set name (null where the command line cannot set it),
// where it lives, how the panel shows it and the hard limit --set enforces.
struct Setting
{
    const char* name;
    SettingLocator locate;
    PanelSection section;
    PanelWidget widget;
    const char* label;
    float minimum;
    float maximum;
    float speed;
    const char* format;
    std::optional<SettingLimit> limit;
};

// The range of "Spawn rate", in flakes a second.
constexpr float kSpawnRateMin = 1.0f;
constexpr float kSpawnRateMax = 5000.0f;

// Every setting, in the panel's order within each section.
const std::vector<Setting>& SettingTable();

// The setting with this --set name, or null.
const Setting* FindSetting(const char* name);
