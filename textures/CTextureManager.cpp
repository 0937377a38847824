#include "textures/CTextureManager.h"

#include <algorithm>
#include <cstdio>

CTextureManager& CTextureManager::GetInstance()
{
    static CTextureManager instance;
    return instance;
}

CTexture* CTextureManager::LoadTexture(const std::string& path)
{
    const auto cached = textures.find(path);
    if (cached != textures.end())
    {
        ++cached->second.holders;
        return cached->second.texture.get();
    }

    auto texture = std::make_unique<CTexture>();
    if (!texture->LoadTexture2D(path, true))
        return nullptr;
    // Trilinear filtering; wrapping stays at repeat so material textures tile.
    glSamplerParameteri(texture->sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(texture->sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);

    CTexture* result = texture.get();
    textures[path] = Entry{std::move(texture), 1};
    std::printf("Loaded texture '%s'\n", path.c_str());
    return result;
}

void CTextureManager::UnloadTexture(CTexture* texture)
{
    const auto entry = std::find_if(textures.begin(), textures.end(),
                                    [texture](const auto& item) { return item.second.texture.get() == texture; });
    if (texture == nullptr || entry == textures.end())
        return;
    if (--entry->second.holders > 0)
        return;
    std::printf("[Texture] Unloaded texture '%s'\n", texture->path.c_str());
    texture->Release();
    textures.erase(entry);
}

bool CTextureManager::Holds(const CTexture* texture) const
{
    return std::any_of(textures.begin(), textures.end(),
                       [texture](const auto& item) { return item.second.texture.get() == texture; });
}
