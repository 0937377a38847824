#include "scene/MeshPaths.h"

std::string ModelDirectory(const std::string& modelPath)
{
    const size_t separator = modelPath.find_last_of("\\/");
    if (separator == std::string::npos)
        return ".";
    if (separator == 0)
        return "/";
    return modelPath.substr(0, separator);
}

std::string MaterialTexturePath(const std::string& directory, const std::string& textureName)
{
    const bool dotPrefix = textureName.size() >= 2 && textureName[0] == '.' &&
                           (textureName[1] == '\\' || textureName[1] == '/');
    return directory + "\\" + (dotPrefix ? textureName.substr(2) : textureName);
}

std::string CompanionTexturePath(const std::string& diffusePath, const std::string& suffix)
{
    static const std::string diffuse = "_diffuse";
    const size_t found = diffusePath.find(diffuse);
    if (found == std::string::npos)
        return std::string();
    return std::string(diffusePath).replace(found, diffuse.size(), suffix);
}
