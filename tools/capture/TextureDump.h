#pragma once

#include <cstdint>
#include <map>
#include <string>

// The file a render texture is written to: its key with '_' for ' ', and ".png".
std::string TextureFileName(const std::string& key);

// Writes level 0 of every texture in the registry (render texture key -> GL
// texture name) to `dir` as a PNG, creating `dir` when needed. Skips "None" and
// names that are not textures. Prints each file written and each failure; false
// on any failure.
bool DumpRenderTextures(const std::map<std::string, int32_t>& textures, const std::string& dir);
