#include "app/ResourceLocation.h"

#include <SDL2/SDL.h>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "core/ResourcePath.h"

namespace
{
// The folder of the running program, without a trailing separator; "" when unknown.
std::string ProgramFolder()
{
    char* base = SDL_GetBasePath();
    std::string folder = base != nullptr ? base : "";
    SDL_free(base);
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}
}

bool UseResourcesFolder(const char* program)
{
    const std::string programFolder = ProgramFolder();
    const std::optional<std::string> root = FindResourceRoot(programFolder);
    if (root)
    {
        SetResourceRoot(*root);
        return true;
    }
    std::error_code error;
    const std::string here = std::filesystem::current_path(error).string();
    std::fprintf(stderr,
                 "%s: no Resources folder in the working directory (%s) nor beside the program (%s): build it "
                 "with bash scripts/build.sh and run it as build/bin/%s\n",
                 program, here.c_str(), programFolder.empty() ? "unknown" : programFolder.c_str(), program);
    return false;
}
