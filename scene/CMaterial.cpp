#include "scene/CMaterial.h"

#include <utility>

#include "scene/MeshPaths.h"
#include "textures/CTexture.h"
#include "textures/CTextureManager.h"

CMaterial::CMaterial(CMaterial&& other) noexcept : textures(std::exchange(other.textures, {})) {}

CMaterial& CMaterial::operator=(CMaterial&& other) noexcept
{
    if (this != &other)
    {
        Release();
        textures = std::exchange(other.textures, {});
    }
    return *this;
}

CMaterial::~CMaterial()
{
    Release();
}

bool CMaterial::Load(const std::string& diffusePath)
{
    Release();
    CTextureManager& cache = CTextureManager::GetInstance();
    textures[Diffuse] = cache.LoadTexture(diffusePath);
    if (!textures[Diffuse])
        return false;

    const std::pair<Slot, const char*> companions[] = {{Normal, "_normal"}, {Specular, "_specular"}, {Glow, "_glow"}};
    for (const auto& [slot, suffix] : companions)
    {
        const std::string companionPath = CompanionTexturePath(diffusePath, suffix);
        if (!companionPath.empty())
            SetTexture(slot, cache.LoadTexture(companionPath));
    }
    return true;
}

void CMaterial::SetTexture(Slot slot, CTexture* texture)
{
    if (textures[slot])
        CTextureManager::GetInstance().UnloadTexture(textures[slot]);
    textures[slot] = texture;
}

void CMaterial::Release()
{
    for (CTexture*& texture : textures)
    {
        if (texture)
            CTextureManager::GetInstance().UnloadTexture(texture);
        texture = nullptr;
    }
}

void CMaterial::Bind() const
{
    for (size_t slot = 0; slot < textures.size(); ++slot)
    {
        if (textures[slot])
            textures[slot]->Bind(textureUnits[slot]);
    }
}

void CMaterial::Unbind() const
{
    for (size_t slot = 0; slot < textures.size(); ++slot)
    {
        if (textures[slot])
            textures[slot]->Unbind(textureUnits[slot]);
    }
}
