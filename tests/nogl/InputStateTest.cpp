#include <SDL2/SDL.h>
#include <array>
#include <gtest/gtest.h>

#include "app/InputState.h"

TEST(InputStateTest, OnePressTogglesOnceHoweverLongItIsHeld)
{
    std::array<uint8_t, SDL_NUM_SCANCODES> keys = {};
    InputState input;
    input.keyboard = keys.data();
    bool showMenu = true;

    keys[SDL_SCANCODE_F1] = 1;
    for (int frame = 0; frame < 50; ++frame)
        UpdateMenuToggle(input, showMenu);
    EXPECT_FALSE(showMenu);
    keys[SDL_SCANCODE_F1] = 0;
    UpdateMenuToggle(input, showMenu);
    keys[SDL_SCANCODE_F1] = 1;
    UpdateMenuToggle(input, showMenu);
    EXPECT_TRUE(showMenu);

    // No keyboard state reads as no key down.
    input.keyboard = nullptr;
    EXPECT_FALSE(IsKeyDown(input, SDL_SCANCODE_F1));
}
