#include "app/InputState.h"

#include <SDL2/SDL.h>

namespace
{
KeyboardSource& InstalledKeyboardSource()
{
    static KeyboardSource source;
    return source;
}
}

InputState& GetInputState()
{
    static InputState state;
    return state;
}

bool IsKeyDown(const InputState& input, int scancode)
{
    return input.keyboard != nullptr && scancode >= 0 && scancode < SDL_NUM_SCANCODES &&
           input.keyboard[scancode] != 0;
}

void SetKeyboardSource(KeyboardSource source)
{
    InstalledKeyboardSource() = std::move(source);
}

const uint8_t* ReadKeyboardState()
{
    if (const KeyboardSource& source = InstalledKeyboardSource())
        return source();
    return SDL_GetKeyboardState(nullptr);
}

void UpdateMenuToggle(InputState& input, bool& showMenu)
{
    if (!IsKeyDown(input, SDL_SCANCODE_F1))
    {
        input.f1Latch = false;
        return;
    }
    if (!input.f1Latch)
    {
        input.f1Latch = true;
        showMenu = !showMenu;
    }
}
