#include "app/DisplayCheck.h"

#include <SDL2/SDL.h>
#include <cstdlib>

const char* const xvfbCommand = "xvfb-run -a -s \"-screen 0 1920x1080x24\"";

std::string DisplayProblem()
{
    // Asking SDL would probe every video driver, and some complain on their own.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        return "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return std::string("no display found (") + SDL_GetError() + ")";
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string name = driver != nullptr ? driver : "";
    if (name == "x11" || name == "wayland")
        return "";
    return "no display found (SDL's video driver is '" + name + "': the display can't be reached)";
}
