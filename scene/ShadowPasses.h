#pragma once

#include <vector>

#include "core/SceneObject.h"

class CCascadeShadowMap;
class CPointShadowMap;
class CShaderProgramShadowMap;
class CShaderProgramPointLightShadowMap;

// Refits cascade `cascadeIndex` around the camera frustum for this frame's sun
// and points the shadow-map program at it.
void UpdateCascade(int cascadeIndex, CShaderProgramShadowMap& program);

// Renders every shadow caster into the four sun cascades ("ShadowMapDir").
void RenderCascadePass(CCascadeShadowMap& shadowMap, CShaderProgramShadowMap& program,
                       const std::vector<SceneObject>& objects);

// Renders the six cube faces of every shadow-casting point light ("ShadowMapPoint").
void RenderPointShadowPass(const std::vector<CPointShadowMap*>& shadowMaps, CShaderProgramPointLightShadowMap& program,
                           const std::vector<SceneObject>& objects);
