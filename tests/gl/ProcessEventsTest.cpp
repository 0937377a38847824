#include <GL/glew.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include "GlTestContext.h"
#include "app/CApplication.h"
#include "app/InputState.h"
#include "core/Projection.h"

namespace
{
// ProcessEvents on the test window, with the interface binding it feeds.
class ProcessEventsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImGui::CreateContext();
        ImGui_ImplSDL2_InitForOpenGL(GlTestWindow(), GlTestContext());
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        app.window = GlTestWindow();
        app.quit = false;
    }
    void TearDown() override
    {
        ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext();
        app.window = nullptr;
        app.quit = false;
    }

    static void Push(SDL_Event event)
    {
        event.common.timestamp = SDL_GetTicks();
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void PushWheel(int x, int y)
    {
        SDL_Event event = {};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.x = x;
        event.wheel.y = y;
        Push(event);
    }

    CApplication& app = CApplication::GetInstance();
};
}

TEST_F(ProcessEventsTest, WheelPairKeepsTheLastEventAndResetsEachFrame)
{
    PushWheel(1, 3);
    PushWheel(-2, -1);
    app.ProcessEvents();
    EXPECT_EQ(GetInputState().wheelX, -2);
    EXPECT_EQ(GetInputState().wheelY, -1);
    EXPECT_NE(GetInputState().keyboard, nullptr);

    app.ProcessEvents();
    EXPECT_EQ(GetInputState().wheelX, 0);
    EXPECT_EQ(GetInputState().wheelY, 0);
    EXPECT_FALSE(app.quit);
}

TEST_F(ProcessEventsTest, SizeChangeSetsViewportSizeAndBothProjections)
{
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(GlTestWindow(), &windowWidth, &windowHeight);
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    event.window.data1 = 1600; // the aspect comes from the event, the size from the window
    event.window.data2 = 800;
    Push(event);
    app.ProcessEvents();

    EXPECT_EQ(app.width, windowWidth);
    EXPECT_EQ(app.height, windowHeight);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], windowWidth);
    EXPECT_EQ(viewport[3], windowHeight);
    const Matrix4 expected = MakePerspective(80.0f, 2.0f, 0.5f, 1500.0f);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            EXPECT_FLOAT_EQ(app.projection.m[r][c], expected.m[r][c]);
            EXPECT_FLOAT_EQ(app.orthoProjection.m[r][c], MakeOrthoProjection(1600, 800).m[r][c]);
        }
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(ProcessEventsTest, EscapeAndCloseRequestsQuit)
{
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_a;
    key.key.keysym.scancode = SDL_SCANCODE_A;
    Push(key);
    app.ProcessEvents();
    EXPECT_FALSE(app.quit);

    key.key.keysym.sym = SDLK_ESCAPE;
    key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    Push(key);
    app.ProcessEvents();
    EXPECT_TRUE(app.quit);

    app.quit = false;
    SDL_Event close = {};
    close.type = SDL_QUIT;
    Push(close);
    app.ProcessEvents();
    EXPECT_TRUE(app.quit);
}
