#include "effects/SettingTable.h"

#include <cstring>

#include "core/CRenderSettings.h"
#include "effects/CParticleSystem.h"
#include "effects/ParticleParams.h"
#include "effects/RenderSize.h"

namespace
{
using S = CRenderSettings;
using P = ParticleParams;
using Section = PanelSection;

template <auto Member>
SettingPointer InRender(const SettingOwners& owners)
{
    return &(owners.render.*Member);
}

template <auto Member>
SettingPointer InParticles(const SettingOwners& owners)
{
    return &(owners.particles.*Member);
}

// The panel edits the first point light, the table lamp.
PointLight* FirstLight(const SettingOwners& owners)
{
    return owners.render.pointLights.empty() ? nullptr : &owners.render.pointLights[0];
}

SettingPointer LightPosition(const SettingOwners& owners)
{
    PointLight* light = FirstLight(owners);
    return light != nullptr ? &light->Position : nullptr;
}

template <float BaseLight::*Member>
SettingPointer LightBase(const SettingOwners& owners)
{
    PointLight* light = FirstLight(owners);
    return light != nullptr ? &(light->Base.*Member) : nullptr;
}

template <float Attenuation::*Member>
SettingPointer LightAttenuation(const SettingOwners& owners)
{
    PointLight* light = FirstLight(owners);
    return light != nullptr ? &(light->Atten.*Member) : nullptr;
}

SettingPointer SpawnHeight(const SettingOwners& owners)
{
    return &owners.particles.genPosition.y;
}

Setting Hidden(const char* name, SettingLocator locate, std::optional<SettingLimit> limit = std::nullopt)
{
    return {name, locate, Section::None, PanelWidget::None, nullptr, 0.0f, 0.0f, 0.0f, nullptr, limit};
}

Setting Slider(const char* name, SettingLocator locate, Section section, const char* label, float minimum,
               float maximum, std::optional<SettingLimit> limit = std::nullopt, const char* format = "%.3f")
{
    return {name, locate, section, PanelWidget::Slider, label, minimum, maximum, 0.0f, format, limit};
}

Setting Drag(const char* name, SettingLocator locate, Section section, const char* label, float speed,
             float minimum, float maximum)
{
    return {name, locate, section, PanelWidget::Drag, label, minimum, maximum, speed, "%.3f", std::nullopt};
}

Setting Widget(const char* name, SettingLocator locate, Section section, PanelWidget widget, const char* label,
               std::optional<SettingLimit> limit = std::nullopt)
{
    return {name, locate, section, widget, label, 0.0f, 0.0f, 0.0f, nullptr, limit};
}

const SettingLimit kUnit = {0.0, 1.0, false};
const SettingLimit kMapSize = {1.0, 8192.0, false};
const SettingLimit kLifetime = {0.0, 1.0e6, false};
const SettingLimit kLightLevel = {0.0, 1.0e4, false};
// A lamp's constant attenuation stays above 0, so that its light never divides by 0.
const SettingLimit kAttenuationBase = {0.0, 1.0e4, true};

std::vector<Setting> MakeTable()
{
    return {
        Hidden("fieldOfView", InRender<&S::fieldOfView>, SettingLimit{0.0, 179.0, true}),
        Hidden("nearPlane", InRender<&S::nearPlane>, SettingLimit{0.0, 1.0e5, true}),
        Hidden("farPlane", InRender<&S::farPlane>, SettingLimit{0.0, 1.0e7, true}),
        Hidden("ghostDispersal", InRender<&S::ghostDispersal>),
        Hidden("ghostCount", InRender<&S::ghostCount>),
        Hidden("shadowMapWidth", InRender<&S::shadowMapWidth>, kMapSize),
        Hidden("shadowMapHeight", InRender<&S::shadowMapHeight>, kMapSize),

        Slider("timeOfDay", InRender<&S::timeOfDay>, Section::Lights, "Time of day", 0.001f, 360.0f,
               SettingLimit{-2147483648.0, 2147483648.0, false}),
        Drag("pointLight.position", LightPosition, Section::Lights, "Point light pos", 1.0f, -100.0f, 100.0f),
        Slider("pointLight.diffuseIntensity", LightBase<&BaseLight::DiffuseIntensity>, Section::Lights,
               "Point light diff intensity", 0.0f, 10.0f, kLightLevel),
        Slider("pointLight.constant", LightAttenuation<&Attenuation::Constant>, Section::Lights, "Point light const",
               0.001f, 10.0f, kAttenuationBase),
        Slider("pointLight.linear", LightAttenuation<&Attenuation::Linear>, Section::Lights, "Point light linear",
               0.001f, 3.0f, kLightLevel),
        Slider("pointLight.exp", LightAttenuation<&Attenuation::Exp>, Section::Lights, "Point light exp", 0.001f,
               0.8f, kLightLevel),

        Slider("exposure", InRender<&S::exposure>, Section::PostProcessing, "Exposure", 0.0f, 4.0f,
               SettingLimit{0.0, 1000.0, false}),
        Widget("bloom", InRender<&S::bloom>, Section::PostProcessing, PanelWidget::Checkbox, "Bloom"),
        Widget("fxaa", InRender<&S::fxaa>, Section::PostProcessing, PanelWidget::Checkbox, "FXAA"),
        Widget("dof", InRender<&S::dof>, Section::PostProcessing, PanelWidget::Checkbox, "DOF"),
        Slider("focusDistance", InRender<&S::focusDistance>, Section::PostProcessing, "Focus distance", 0.0f, 1.0f,
               kUnit),
        Slider("dofSize", InRender<&S::dofSize>, Section::PostProcessing, "DOF size", 0.0f, 1.0f, kUnit),
        Slider("dofFalloff", InRender<&S::dofFalloff>, Section::PostProcessing, "DOF falloff", 0.001f, 1.0f,
               SettingLimit{0.0, 1.0, true}),
        Slider("dofMaxBlur", InRender<&S::dofMaxBlur>, Section::PostProcessing, "DOF max blur", 0.0f, 5.0f,
               SettingLimit{0.0, 5.0, false}),
        Widget("vignette", InRender<&S::vignette>, Section::PostProcessing, PanelWidget::Checkbox, "Vignette"),
        Slider("lensFlareScale", InRender<&S::lensFlareScale>, Section::PostProcessing, "Lens flare scale", 0.0f,
               3.0f),
        Slider("lensFlareBias", InRender<&S::lensFlareBias>, Section::PostProcessing, "Lens flare bias", -3.0f, 3.0f),
        Widget("toneMapping", InRender<&S::toneMapping>, Section::PostProcessing, PanelWidget::ToneCurves,
               "Tone mapping", SettingLimit{0.0, 3.0, false}),

        Drag("particles.genGravityVector", InParticles<&P::genGravityVector>, Section::Particles, "Direction", 0.1f,
             -30.0f, 30.0f),
        {"particles.generateCount", InParticles<&P::generateCount>, Section::Particles, PanelWidget::SpawnRate,
         "Spawn rate", kSpawnRateMin, kSpawnRateMax, 10.0f, "%.0f",
         SettingLimit{0.0, double(CParticleSystem::kCapacity), false}},
        Drag("particles.spawnArea", InParticles<&P::spawnArea>, Section::Particles, "Spawn area", 1.0f, 10.0f,
             300.0f),
        Drag(nullptr, SpawnHeight, Section::Particles, "Spawn pos y", 1.0f, 10.0f, 100.0f),
        Drag("particles.noise", InParticles<&P::noise>, Section::Particles, "Turbulence", 0.1f, 0.0f, 150.0f),
        Hidden("particles.genPosition", InParticles<&P::genPosition>),
        Hidden("particles.genVelocityMin", InParticles<&P::genVelocityMin>),
        Hidden("particles.genVelocityMax", InParticles<&P::genVelocityMax>),
        Hidden("particles.genLifeMin", InParticles<&P::genLifeMin>, kLifetime),
        Hidden("particles.genLifeMax", InParticles<&P::genLifeMax>, kLifetime),

        Widget("showCsmCascades", InRender<&S::showCsmCascades>, Section::Debug, PanelWidget::Checkbox,
               "Show CSM cascades"),
        Widget("showDofArea", InRender<&S::showDofArea>, Section::Debug, PanelWidget::Checkbox, "Show DOF area"),
        Widget("selectedRenderTexture", InRender<&S::selectedRenderTexture>, Section::Debug,
               PanelWidget::RenderTexture, "Render texture", SettingLimit{-1.0, 2147483647.0, false}),

        Slider("renderScale", InRender<&S::renderScale>, Section::Quality, "Render scale", kRenderScaleMin,
               kRenderScaleMax, SettingLimit{kRenderScaleMin, kRenderScaleMax, false}),
        Widget("lampShadows", InRender<&S::lampShadows>, Section::Quality, PanelWidget::Checkbox, "Lamp shadows"),
        Widget("autoRenderScale", InRender<&S::autoRenderScale>, Section::Quality, PanelWidget::Checkbox,
               "Auto render scale"),
        Slider("targetFrameTime", InRender<&S::targetFrameTime>, Section::Quality, "Target frame (ms)", 10.0f,
               500.0f, SettingLimit{1.0, 60000.0, false}, "%.0f"),
    };
}
}

const std::vector<Setting>& SettingTable()
{
    static const std::vector<Setting> table = MakeTable();
    return table;
}

const Setting* FindSetting(const char* name)
{
    for (const Setting& setting : SettingTable())
        if (setting.name != nullptr && std::strcmp(setting.name, name) == 0)
            return &setting;
    return nullptr;
}
