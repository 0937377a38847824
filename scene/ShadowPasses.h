#pragma once

#include <vector>

#include "core/SceneObject.h"

class CCascadeShadowMap;
class CPointShadowMap;
class CShaderProgramShadowMap;
class CShaderProgramPointLightShadowMap;

// The sun's shadow programs: one for casters with holes in their textures,
// one that only writes depth for the rest.
struct SunCasterPrograms
{
    CShaderProgramShadowMap& alphaTested;
    CShaderProgramShadowMap& opaque;
};

// Refits cascade `cascadeIndex` around the camera frustum for this frame's sun
// and points the shadow-map programs at it.
void UpdateCascade(int cascadeIndex, const SunCasterPrograms& programs);

// Renders the shadow casters into the four sun cascades; each cascade skips
// the sub-meshes that lie outside its box across the light or beyond its far
// side.
void RenderCascadePass(CCascadeShadowMap& shadowMap, const SunCasterPrograms& programs,
                       const std::vector<SceneObject>& objects);

// Renders the six cube faces of every shadow-casting point light; each face
// skips the sub-meshes outside its frustum or beyond the light's reach, and a
// cube whose light and casters are as they were when it was last drawn is not
// drawn again.
void RenderPointShadowPass(const std::vector<CPointShadowMap*>& shadowMaps, CShaderProgramPointLightShadowMap& program,
                           const std::vector<SceneObject>& objects);
