#pragma once

#include <glm/glm.hpp>

// Everything a camera reads in one frame, gathered once so that a camera step
// is a plain function of its state, this input and the frame time.
struct CameraInput
{
    bool hasFocus = false;       // the window has input focus
    bool forward = false;        // W
    bool back = false;           // S
    bool left = false;           // A
    bool right = false;          // D
    bool alt = false;            // left or right Alt
    bool rightButton = false;    // right mouse button
    int wheelY = 0;              // wheel steps this frame, positive away from the user
    glm::ivec2 pointer{0, 0};    // pointer position on the desktop
    glm::ivec2 windowPosition{0, 0};
    glm::ivec2 windowSize{0, 0};
};

enum class CursorVisibility
{
    Unchanged,
    Shown,
    Hidden
};

// What a camera step asks of the desktop pointer.
struct PointerRequest
{
    bool warp = false;
    glm::ivec2 warpTo{0, 0};
    CursorVisibility cursor = CursorVisibility::Unchanged;
};

// Reads this frame's keys, wheel, buttons and pointer for the application window.
CameraInput ReadCameraInput();

void ApplyPointerRequest(const PointerRequest& request);
