#pragma once

#include <map>
#include <memory>
#include <string>

#include "textures/CTexture.h"

// Process-wide cache of mipmapped 2D textures, one per path (compared byte by
// byte). Every LoadTexture that returns a texture counts one holder and every
// UnloadTexture lets one go; the texture is destroyed with its last holder, so
// a texture shared by several materials stays valid for the others. At exit
// the records still cached are freed without OpenGL calls (the context is gone).
class CTextureManager
{
public:
    static CTextureManager& GetInstance();

    CTexture* LoadTexture(const std::string& path);
    // Does nothing for a texture the cache does not hold.
    void UnloadTexture(CTexture* texture);

    bool Holds(const CTexture* texture) const;

private:
    struct Entry
    {
        std::unique_ptr<CTexture> texture;
        int holders = 0;
    };

    CTextureManager() = default;

    std::map<std::string, Entry> textures;
};
