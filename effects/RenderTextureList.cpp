#include "effects/RenderTextureList.h"

#include <iterator>

std::string RenderTextureComboItems(const RenderTextureRegistry& registry)
{
    std::string items;
    for (const auto& entry : registry)
    {
        items += entry.first;
        items += '\0';
    }
    return items;
}

int RenderTextureComboIndex(const RenderTextureRegistry& registry, int32_t texture)
{
    int found = 0;
    int index = 0;
    for (const auto& entry : registry)
    {
        if (entry.second == texture)
            found = index;
        ++index;
    }
    return found;
}

int32_t RenderTextureAt(const RenderTextureRegistry& registry, int index)
{
    if (index < 0 || size_t(index) >= registry.size())
        return -1;
    return std::next(registry.begin(), index)->second;
}

bool IsRegisteredRenderTexture(const RenderTextureRegistry& registry, int32_t texture)
{
    for (const auto& entry : registry)
        if (entry.second == texture && texture != -1)
            return true;
    return false;
}

void UnregisterRenderTexture(RenderTextureRegistry& registry, int32_t& selected, const std::string& key)
{
    const auto entry = registry.find(key);
    if (entry == registry.end())
        return;
    const int32_t texture = entry->second;
    registry.erase(entry);
    if (selected == texture && !IsRegisteredRenderTexture(registry, texture))
        selected = -1;
}
