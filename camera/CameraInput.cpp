#include "camera/CameraInput.h"

#include <SDL2/SDL.h>

#include "app/CApplication.h"
#include "app/InputState.h"

CameraInput ReadCameraInput()
{
    CameraInput input;
    SDL_Window* window = CApplication::GetInstance().window;
    if (window == nullptr)
        return input;
    const InputState& state = GetInputState();
    input.hasFocus = (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    input.forward = IsKeyDown(state, SDL_SCANCODE_W);
    input.back = IsKeyDown(state, SDL_SCANCODE_S);
    input.left = IsKeyDown(state, SDL_SCANCODE_A);
    input.right = IsKeyDown(state, SDL_SCANCODE_D);
    input.alt = IsKeyDown(state, SDL_SCANCODE_LALT) || IsKeyDown(state, SDL_SCANCODE_RALT);
    input.rightButton = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
    input.wheelY = state.wheelY;
    SDL_GetGlobalMouseState(&input.pointer.x, &input.pointer.y);
    SDL_GetWindowPosition(window, &input.windowPosition.x, &input.windowPosition.y);
    SDL_GetWindowSize(window, &input.windowSize.x, &input.windowSize.y);
    return input;
}

void ApplyPointerRequest(const PointerRequest& request)
{
    if (request.warp)
        SDL_WarpMouseGlobal(request.warpTo.x, request.warpTo.y);
    if (request.cursor != CursorVisibility::Unchanged)
        SDL_ShowCursor(request.cursor == CursorVisibility::Shown ? SDL_ENABLE : SDL_DISABLE);
}
