#pragma once

#include <cstdint>
#include <map>
#include <string>

// The debug view's "Render texture" choice over the registry of render
// textures (name -> GL texture, -1 for "None"), in the map's byte order.
using RenderTextureRegistry = std::map<std::string, int32_t>;

// Every name followed by a zero byte; the list ends at the string's own terminator.
std::string RenderTextureComboItems(const RenderTextureRegistry& registry);

// Index of the entry holding `texture`: the last one if several do, 0 if none.
int RenderTextureComboIndex(const RenderTextureRegistry& registry, int32_t texture);

// The texture of entry `index`; -1 when there is no such entry.
int32_t RenderTextureAt(const RenderTextureRegistry& registry, int index);

// True when some entry other than "None" holds `texture`.
bool IsRegisteredRenderTexture(const RenderTextureRegistry& registry, int32_t texture);

// Removes entry `key`; a selection that named its texture goes back to none (-1).
void UnregisterRenderTexture(RenderTextureRegistry& registry, int32_t& selected, const std::string& key);
