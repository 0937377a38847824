#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/LitBindings.h"
#include "core/Lights.h"
#include "core/ProfilerMark.h"

// Process-wide rendering settings and the state that several stages share within a frame.
class CRenderSettings
{
public:
    static CRenderSettings& GetInstance();

    void AddProfilerMark(const std::string& name);

    float fieldOfView = 80.0f;
    float nearPlane = 0.5f;
    float farPlane = 1500.0f;
    DirectionalLight dirLight;
    std::vector<PointLight> pointLights;
    float exposure = 0.7f;
    int32_t toneMapping = 2; // 0 Linear, 1 Reinhard, 2 Filmic, 3 Uncharted 2
    bool bloom = true;
    bool fxaa = true;
    bool vignette = true;
    float lensFlareScale = 0.67f;
    float lensFlareBias = -0.78f;
    int32_t ghostCount = 3;
    float ghostDispersal = 0.3f;
    bool dof = true;
    float focusDistance = 0.069f;
    float dofSize = 0.049f;
    float dofFalloff = 0.188f;
    float dofMaxBlur = 1.0f;
    std::array<float, kCascadeCount + 1> cascadeSplits = {0.5f, 70.0f, 120.0f, 210.0f, 1500.0f};
    // Off: the lamps cast no shadows, and their cube maps are neither drawn nor read.
    bool lampShadows = true;
    int32_t shadowMapWidth = 1600;
    int32_t shadowMapHeight = 1600;
    // The sky, the scene and the post chain are drawn at this share of the
    // window's size (0.25 to 1); the last pass fills the window from it.
    float renderScale = 1.0f;
    // While on, the render scale follows the frame time: it is lowered or
    // raised, within its range, to hold `targetFrameTime` milliseconds.
    bool autoRenderScale = false;
    float targetFrameTime = 100.0f;
    std::array<std::array<float, 6>, kCascadeCount> cascadeOrthoBounds = {};
    float timeOfDay = 36.5f;
    std::map<std::string, int32_t> renderTextures = {{"None", -1}};
    int32_t selectedRenderTexture = -1;
    bool showCsmCascades = false;
    bool showDofArea = false;
    int32_t vertexCount = 0;
    std::vector<ProfilerMark> profilerMarks;

    // Told of every mark as it is added (the capture tool times stages with it).
    std::function<void(const std::string&)> profilerMarkObserver;

private:
    CRenderSettings() = default;
};
