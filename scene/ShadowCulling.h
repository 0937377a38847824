#pragma once

#include <glm/glm.hpp>

#include "core/Lights.h"
#include "scene/BoundingBox.h"
#include "scene/CascadeFit.h"
#include "scene/CubeFaces.h"

// Which shadow casters the shadow passes may skip. Each test takes a caster's
// world-space bounds and holds only where drawing it cannot change a texel
// that the lit pass reads.

// Outside the cascade's light-space box across the light (x, y) or wholly
// beyond its far side. A caster between the sun and the box is kept: the
// pass clamps its depth to the near plane, so it still shadows the box.
bool OutsideCascade(const BoundingBox& bounds, const glm::mat4& lightView, const CascadeBox& cascade);

// Outside the 90-degree frustum of `face` from `lightPosition`, widened by a
// small margin so that nothing at the face's edges is lost.
bool OutsideCubeFace(const BoundingBox& bounds, const glm::vec3& lightPosition, const CubeFace& face);

// The distance from the light beyond which it adds less than half a step of
// an 8-bit channel to any surface (diffuse plus a highlight of full strength),
// so that the lit shader looks up no cube shadow there; infinite for a light
// that does not fade with distance.
float PointLightReach(const PointLight& light);

// Every point of the box lies farther than `reach` from the light. Such a
// caster can only shadow points farther still, which the light cannot
// visibly reach.
bool BeyondReach(const BoundingBox& bounds, const glm::vec3& lightPosition, float reach);
