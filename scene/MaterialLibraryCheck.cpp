#include "scene/MaterialLibraryCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
std::string Lowercase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string FirstToken(const std::string& line, std::string& rest)
{
    std::istringstream stream(line);
    std::string token;
    stream >> token;
    std::getline(stream >> std::ws, rest);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back())))
        rest.pop_back();
    return Lowercase(token);
}

// Whether the line's first word may be "mtllib", in any case: the vertex and
// face lines that make up nearly all of a model are passed over unsplit.
bool MayNameALibrary(const std::string& line)
{
    const auto first =
        std::find_if(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c) == 0; });
    return first != line.end() && std::tolower(static_cast<unsigned char>(*first)) == 'm';
}

bool LibraryIsUnsafe(const std::filesystem::path& library)
{
    std::ifstream in(library, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return StatementBeforeFirstMaterial(text.str());
}
}

bool StatementBeforeFirstMaterial(const std::string& libraryText)
{
    std::istringstream lines(libraryText);
    std::string line;
    std::string rest;
    while (std::getline(lines, line))
    {
        const std::string token = FirstToken(line, rest);
        if (token == "newmtl")
            return false;
        if (token.rfind("map_", 0) == 0 || token == "bump" || token == "norm" || token == "disp" || token == "a")
            return true;
    }
    return false;
}

std::string MaterialLibraryProblem(const std::string& objPath)
{
    std::ifstream obj(objPath, std::ios::binary);
    std::string line;
    std::string name;
    while (std::getline(obj, line))
    {
        if (!MayNameALibrary(line) || FirstToken(line, name) != "mtllib" || name.empty())
            continue;
        const std::filesystem::path library = std::filesystem::path(objPath).parent_path() / name;
        if (LibraryIsUnsafe(library))
            return "material library '" + name + "' sets a texture or anisotropy before its first newmtl";
    }
    return "";
}
