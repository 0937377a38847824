#pragma once

#include <SDL2/SDL.h>
#include <vector>

#include "CaptureOptions.h"

// Delivers the clicks meant for `frame`: the pointer is warped to the pixel,
// as a moving mouse would put it, and the left button's press and release are
// queued as SDL events for the application's own event loop to pick up. The
// pointer first enters the window a frame before the first click, at its
// pixel, so that the window server's enter and focus events have reached the
// window when the press comes, even on a busy machine.
void DeliverClicks(const std::vector<MouseClick>& clicks, int frame, SDL_Window* window);
