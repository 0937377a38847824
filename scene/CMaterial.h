#pragma once

#include <array>
#include <string>

#include "core/LitBindings.h"

class CTexture;

// Up to four cached textures found from a diffuse map by their names. Each
// non-empty slot holds one reference of the texture cache and gives it back
// when the material is reloaded, cleared or destroyed.
class CMaterial
{
public:
    enum Slot
    {
        Diffuse,
        Normal,
        Specular,
        Glow,
        SlotCount
    };

    // Texture unit of each slot.
    static constexpr std::array<unsigned, SlotCount> textureUnits = {kDiffuseUnit, kNormalUnit, kSpecularUnit,
                                                                     kGlowUnit};

    CMaterial() = default;
    CMaterial(CMaterial&& other) noexcept;
    CMaterial& operator=(CMaterial&& other) noexcept;
    CMaterial(const CMaterial&) = delete;
    CMaterial& operator=(const CMaterial&) = delete;
    ~CMaterial();

    // Loads the diffuse map and its "_normal", "_specular" and "_glow" companions.
    bool Load(const std::string& diffusePath);
    // Stores a texture from the cache, giving the slot's previous one back to the cache.
    void SetTexture(Slot slot, CTexture* texture);
    void Release();

    void Bind() const;
    void Unbind() const;

    std::array<CTexture*, SlotCount> textures = {};
};
