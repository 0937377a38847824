#include "MouseClicks.h"

#include <algorithm>

namespace
{
void PushButtonEvent(SDL_Window* window, const MouseClick& click, Uint32 type)
{
    SDL_Event event = {};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(window);
    event.button.which = 0;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = click.x;
    event.button.y = click.y;
    SDL_PushEvent(&event);
}
}

void DeliverClicks(const std::vector<MouseClick>& clicks, int frame, SDL_Window* window)
{
    const auto first = std::min_element(clicks.begin(), clicks.end(),
                                         [](const MouseClick& a, const MouseClick& b) { return a.frame < b.frame; });
    if (first != clicks.end() && first->frame == frame + 1)
        SDL_WarpMouseInWindow(window, first->x, first->y);
    for (const MouseClick& click : clicks)
    {
        if (click.frame != frame)
            continue;
        SDL_WarpMouseInWindow(window, click.x, click.y);
        PushButtonEvent(window, click, SDL_MOUSEBUTTONDOWN);
        PushButtonEvent(window, click, SDL_MOUSEBUTTONUP);
    }
}
