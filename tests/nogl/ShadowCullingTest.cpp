#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

#include "scene/ShadowCulling.h"

namespace
{
BoundingBox Cube(const glm::vec3& centre, float half)
{
    return {centre - glm::vec3(half), centre + glm::vec3(half)};
}

PointLight Lamp(float diffuse, const Attenuation& atten)
{
    PointLight lamp;
    lamp.Base.Color = {0.886f, 0.345f, 0.133f};
    lamp.Base.DiffuseIntensity = diffuse;
    lamp.Atten = atten;
    return lamp;
}

// The strongest light a lamp can add at `distance`: diffuse plus a full highlight.
float StrongestAt(const PointLight& lamp, float distance)
{
    const float brightest = 2.0f * lamp.Base.DiffuseIntensity * lamp.Base.Color.r;
    return brightest / (lamp.Atten.Constant + lamp.Atten.Linear * distance + lamp.Atten.Exp * distance * distance);
}
}

TEST(ShadowCullingTest, TransformedBoxesStayTightAroundTheirCorners)
{
    const BoundingBox box{{1.0f, 2.0f, 3.0f}, {2.0f, 4.0f, 7.0f}};
    // A quarter turn about y takes (x, z) to (z, -x); scaled by 2, then moved.
    const glm::mat4 quarter = glm::translate(glm::mat4(1.0f), glm::vec3(10.0f, 0.0f, 0.0f)) *
                              glm::rotate(glm::mat4(1.0f), glm::radians(90.0f), glm::vec3(0, 1, 0)) *
                              glm::scale(glm::mat4(1.0f), glm::vec3(2.0f));
    const BoundingBox turned = TransformBox(box, quarter);
    EXPECT_NEAR(glm::length(turned.lo - glm::vec3(16.0f, 4.0f, -4.0f)), 0.0f, 1e-4f);
    EXPECT_NEAR(glm::length(turned.hi - glm::vec3(24.0f, 8.0f, -2.0f)), 0.0f, 1e-4f);

    // At an odd angle every corner lies inside, and each side touches a corner.
    const glm::mat4 tilted = glm::rotate(glm::mat4(1.0f), 0.7f, glm::normalize(glm::vec3(1, 2, 3)));
    const BoundingBox around = TransformBox(box, tilted);
    glm::vec3 lo(1e30f), hi(-1e30f);
    for (int corner = 0; corner < 8; ++corner)
    {
        const glm::vec3 p(corner & 1 ? box.hi.x : box.lo.x, corner & 2 ? box.hi.y : box.lo.y,
                          corner & 4 ? box.hi.z : box.lo.z);
        const glm::vec3 moved(tilted * glm::vec4(p, 1.0f));
        lo = glm::min(lo, moved);
        hi = glm::max(hi, moved);
    }
    EXPECT_LT(glm::length(around.lo - lo) + glm::length(around.hi - hi), 1e-4f);
}

TEST(ShadowCullingTest, CascadeDropsCastersBesideItsBoxOrBeyondItsFarSideButNotBetweenItAndTheSun)
{
    const glm::mat4 lightView = MakeLightView(glm::normalize(glm::vec3(1.0f, -2.0f, 0.5f))).ToGlm();
    const glm::mat4 toWorld = glm::inverse(lightView);
    const CascadeBox cascade = {10.0f, -10.0f, -5.0f, 5.0f, 20.0f, 60.0f}; // right, left, bottom, top, near, far
    // A cube given in light space: x, y across the light, depth along it.
    const auto at = [&](float x, float y, float depth, float half) {
        return TransformBox(Cube(glm::vec3(x, y, -depth), half), toWorld);
    };

    const float gap = 0.4f, half = 0.05f; // small, so that turning it into world space and back adds little
    for (const BoundingBox& outside : {at(10 + gap, 0, 40, half), at(-10 - gap, 0, 40, half),
                                       at(0, -5 - gap, 40, half), at(0, 5 + gap, 40, half), at(0, 0, 60 + gap, half)})
        EXPECT_TRUE(OutsideCascade(outside, lightView, cascade));

    for (const BoundingBox& kept : {at(10, 0, 40, 1), at(-10, 0, 40, 1), at(0, -5, 40, 1), at(0, 5, 40, 1),
                                    at(0, 0, 60, 1), at(0, 0, 40, half)})
        EXPECT_FALSE(OutsideCascade(kept, lightView, cascade));
    // Between the sun and the box: its depth is clamped onto the near plane, so it still shadows.
    for (float depth : {19.0f, 0.0f, -500.0f})
        EXPECT_FALSE(OutsideCascade(at(0, 0, depth, half), lightView, cascade)) << depth;
}

TEST(ShadowCullingTest, CubeFaceDropsCastersOutsideItsFrustumAndKeepsThoseOnItsEdges)
{
    const glm::vec3 light(3.0f, -2.0f, 7.0f);
    for (size_t i = 0; i < CubeFaceTable.size(); ++i)
    {
        SCOPED_TRACE(i);
        const CubeFace& face = CubeFaceTable[i];
        const glm::vec3 ahead = light + 10.0f * face.direction;
        for (const glm::vec3& side : {face.up, -face.up, glm::cross(face.direction, face.up)})
        {
            EXPECT_TRUE(OutsideCubeFace(Cube(ahead + 10.6f * side, 0.05f), light, face));
            EXPECT_FALSE(OutsideCubeFace(Cube(ahead + 10.0f * side, 0.5f), light, face)); // on the edge
            EXPECT_FALSE(OutsideCubeFace(Cube(ahead + 9.95f * side, 0.01f), light, face));
        }
        EXPECT_TRUE(OutsideCubeFace(Cube(light - 10.0f * face.direction, 1.0f), light, face)); // behind
        EXPECT_FALSE(OutsideCubeFace(Cube(light, 0.1f), light, face));
    }
}

TEST(ShadowCullingTest, NothingAFaceProjectsOntoItsMapIsDropped)
{
    // Small cubes in every direction around the light: any with a corner inside
    // a face's real projection is kept for that face, and each face drops some.
    const glm::vec3 light(3.0f, -2.0f, 7.0f);
    for (size_t i = 0; i < CubeFaceTable.size(); ++i)
    {
        const CubeFace& face = CubeFaceTable[i];
        const Matrix4 viewProjection = MakeCubeFaceProjection(1.0f) * MakeCubeFaceView(light, face);
        int dropped = 0;
        for (float x = -1.0f; x <= 1.0f; x += 0.125f)
            for (float y = -1.0f; y <= 1.0f; y += 0.125f)
                for (float z = -1.0f; z <= 1.0f; z += 0.125f)
                {
                    const BoundingBox cube = Cube(light + 12.0f * glm::vec3(x, y, z), 0.2f);
                    bool seen = false;
                    for (int corner = 0; corner < 8; ++corner)
                    {
                        const glm::vec4 clip = viewProjection * glm::vec4(corner & 1 ? cube.hi.x : cube.lo.x,
                                                                          corner & 2 ? cube.hi.y : cube.lo.y,
                                                                          corner & 4 ? cube.hi.z : cube.lo.z, 1.0f);
                        seen = seen || (clip.w > 0.0f && std::abs(clip.x) <= clip.w && std::abs(clip.y) <= clip.w);
                    }
                    const bool culled = OutsideCubeFace(cube, light, face);
                    EXPECT_FALSE(seen && culled) << "face " << i << " at " << x << ", " << y << ", " << z;
                    dropped += culled ? 1 : 0;
                }
        EXPECT_GT(dropped, 17 * 17 * 17 / 2) << "face " << i;
    }
}

TEST(ShadowCullingTest, LampReachEndsWhereItsStrongestLightFallsBelowHalfAnEightBitStep)
{
    const PointLight lamp = Lamp(3.0f, {1.0f, 0.09f, 0.032f});
    const float reach = PointLightReach(lamp);
    EXPECT_GT(StrongestAt(lamp, 0.99f * reach), 1.0f / 512.0f);
    EXPECT_LT(StrongestAt(lamp, 1.01f * reach), 1.0f / 512.0f);
    EXPECT_GT(PointLightReach(Lamp(6.0f, lamp.Atten)), reach);

    const PointLight linear = Lamp(3.0f, {1.0f, 0.5f, 0.0f});
    EXPECT_NEAR(StrongestAt(linear, PointLightReach(linear)), 1.0f / 512.0f, 1e-6f);
    EXPECT_TRUE(std::isinf(PointLightReach(Lamp(3.0f, {1.0f, 0.0f, 0.0f}))));
    EXPECT_EQ(PointLightReach(Lamp(1e-4f, {1.0f, 0.0f, 1.0f})), 0.0f); // never bright enough

    // Casters are dropped only when all of their box lies beyond the reach.
    const glm::vec3 position(5.0f, 1.0f, -3.0f);
    const glm::vec3 across = glm::normalize(glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(BeyondReach(Cube(position + (reach + 1.1f) * across, 1.0f), position, reach));
    EXPECT_FALSE(BeyondReach(Cube(position + (reach + 0.9f) * across, 1.0f), position, reach));
    EXPECT_FALSE(BeyondReach(Cube(position, 1.0f), position, reach));
    // The nearest point of a box can be a corner.
    const float corner = (reach + 1.0f) / std::sqrt(3.0f);
    EXPECT_TRUE(BeyondReach({position + glm::vec3(corner), position + glm::vec3(corner + 5.0f)}, position, reach));
    EXPECT_FALSE(BeyondReach({position + glm::vec3(corner - 1.0f), position + glm::vec3(corner + 5.0f)}, position,
                             reach));
}
