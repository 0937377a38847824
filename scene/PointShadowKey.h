#pragma once

#include <cstdint>
#include <vector>

#include "core/Lights.h"
#include "core/SceneObject.h"

// Everything a point light's cube of distances depends on: the light (where
// it is and how far it reaches), the map's size, and every shadow caster's
// mesh, placement and flags. A cube drawn for a key equal to the last one
// holds the same distances texel for texel, so it need not be drawn again:
// the table lamp stands still, the lantern flames flicker.
struct PointShadowKey
{
    std::vector<uint8_t> bytes;

    bool operator==(const PointShadowKey& other) const { return bytes == other.bytes; }
    bool operator!=(const PointShadowKey& other) const { return !(*this == other); }
};

// `notCasting` holds the flags that keep an object out of the shadow maps;
// such objects leave the key alone, wherever they move.
PointShadowKey MakePointShadowKey(const PointLight& light, int width, int height,
                                  const std::vector<SceneObject>& objects, uint32_t notCasting);
