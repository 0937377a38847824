#pragma once

#include <cstdint>
#include <functional>

// Process-wide input state, refreshed by CApplication::ProcessEvents and
// polled by the cameras, the scene and the F1 toggle.
struct InputState
{
    const uint8_t* keyboard = nullptr; // indexed by SDL scancode; may be null
    int32_t wheelX = 0;
    int32_t wheelY = 0;
    bool f1Latch = false;
};

InputState& GetInputState();

// True when `scancode` is down; a null keyboard state has no key down.
bool IsKeyDown(const InputState& input, int scancode);

// Where ProcessEvents takes the keyboard array from: SDL's own state unless a
// source is installed (the capture tool adds held keys this way).
using KeyboardSource = std::function<const uint8_t*()>;
void SetKeyboardSource(KeyboardSource source); // empty restores SDL's state
const uint8_t* ReadKeyboardState();

// F1 handling: inverts `showMenu` once per press, however long F1 is held.
void UpdateMenuToggle(InputState& input, bool& showMenu);
