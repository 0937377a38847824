#include "scene/ShadowCulling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
// World units of slack around cascade boxes and cube faces, far above float rounding.
const float kMargin = 0.05f;
// Cube faces are widened this much beyond 45 degrees to either side (about half a degree).
const float kFaceSlack = 0.02f;
// The lit shader skips a light's cube lookups below this share of full intensity.
const float kShadowLookupCutoff = 1.0f / 512.0f;
// A highlight adds at most the light's diffuse radiance again (specular maps hold up to 1).
const float kHighlightFactor = 2.0f;

// Largest dot(normal, p) over the points p of the box.
float MaxDot(const BoundingBox& box, const glm::vec3& normal)
{
    return glm::dot(glm::max(normal * box.lo, normal * box.hi), glm::vec3(1.0f));
}
}

bool OutsideCascade(const BoundingBox& bounds, const glm::mat4& lightView, const CascadeBox& cascade)
{
    const BoundingBox light = TransformBox(bounds, lightView);
    // The light looks down its -z axis: depth along the light is -z.
    return light.hi.x < cascade[1] - kMargin || light.lo.x > cascade[0] + kMargin ||
           light.hi.y < cascade[2] - kMargin || light.lo.y > cascade[3] + kMargin ||
           -light.hi.z > cascade[5] + kMargin;
}

bool OutsideCubeFace(const BoundingBox& bounds, const glm::vec3& lightPosition, const CubeFace& face)
{
    const BoundingBox relative{bounds.lo - lightPosition, bounds.hi - lightPosition};
    const glm::vec3 across = glm::cross(face.direction, face.up);
    const glm::vec3 ahead = face.direction * (1.0f + kFaceSlack);
    // Inside the face, p . direction is at least |p . up| and |p . across|.
    for (const glm::vec3& side : {face.up, -face.up, across, -across})
        if (MaxDot(relative, ahead + side) < -kMargin)
            return true;
    return false;
}

float PointLightReach(const PointLight& light)
{
    const glm::vec3 radiance = light.Base.Color * light.Base.DiffuseIntensity;
    const float brightest = kHighlightFactor * std::max({radiance.r, radiance.g, radiance.b});
    // Solve Constant + Linear d + Exp d^2 = brightest / cutoff for d.
    const float excess = brightest / kShadowLookupCutoff - light.Atten.Constant;
    const float linear = light.Atten.Linear, quadratic = light.Atten.Exp;
    if (excess <= 0.0f)
        return 0.0f;
    if (quadratic > 0.0f)
        return (std::sqrt(linear * linear + 4.0f * quadratic * excess) - linear) / (2.0f * quadratic);
    if (linear > 0.0f)
        return excess / linear;
    return std::numeric_limits<float>::infinity();
}

bool BeyondReach(const BoundingBox& bounds, const glm::vec3& lightPosition, float reach)
{
    const glm::vec3 nearest = glm::clamp(lightPosition, bounds.lo, bounds.hi);
    return glm::length(nearest - lightPosition) > reach;
}
