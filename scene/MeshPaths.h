#pragma once

#include <string>

// The folder a model's textures are looked up in: the text before the model
// path's last separator, "." when there is none and "/" when it is the first character.
std::string ModelDirectory(const std::string& modelPath);

// A material's texture name joined to the model folder; a leading ".\" is dropped.
std::string MaterialTexturePath(const std::string& directory, const std::string& textureName);

// The companion of a diffuse map: the first "_diffuse" replaced by `suffix`
// ("_normal", "_specular", "_glow"); empty when the path has no "_diffuse".
std::string CompanionTexturePath(const std::string& diffusePath, const std::string& suffix);
