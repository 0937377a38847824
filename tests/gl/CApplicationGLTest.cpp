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
class CApplicationGLTest : public ::testing::Test
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

    // Queues one event of `type`, filled in by `fill`, and runs a frame's event handling.
    template <typename Fill> void Process(Uint32 type, Fill fill)
    {
        SDL_Event event = {};
        event.type = type;
        event.common.timestamp = SDL_GetTicks();
        fill(event);
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        app.ProcessEvents();
    }

    CApplication& app = CApplication::GetInstance();
};
}

TEST_F(CApplicationGLTest, WheelKeepsTheLastEventOfAFrameAndResetsEachFrame)
{
    SDL_Event first = {};
    first.type = SDL_MOUSEWHEEL;
    first.wheel.x = 1;
    first.wheel.y = 3;
    ASSERT_EQ(SDL_PushEvent(&first), 1);
    Process(SDL_MOUSEWHEEL, [](SDL_Event& e) { e.wheel.x = -2; e.wheel.y = -1; });
    EXPECT_EQ(GetInputState().wheelX, -2);
    EXPECT_EQ(GetInputState().wheelY, -1);
    EXPECT_NE(GetInputState().keyboard, nullptr);

    app.ProcessEvents();
    EXPECT_EQ(GetInputState().wheelX, 0);
    EXPECT_EQ(GetInputState().wheelY, 0);
    EXPECT_FALSE(app.quit);
}

TEST_F(CApplicationGLTest, SizeChangeSetsViewportSizeAndBothProjections)
{
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(GlTestWindow(), &windowWidth, &windowHeight);
    // The aspect comes from the event, the size from the window.
    Process(SDL_WINDOWEVENT, [](SDL_Event& e) {
        e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
        e.window.data1 = 1600;
        e.window.data2 = 800;
    });

    EXPECT_EQ(app.width, windowWidth);
    EXPECT_EQ(app.height, windowHeight);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], windowWidth);
    EXPECT_EQ(viewport[3], windowHeight);
    const Matrix4 expected = MakePerspective(80.0f, 2.0f, 0.5f, 1500.0f), ortho = MakeOrthoProjection(1600, 800);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            EXPECT_FLOAT_EQ(app.projection.m[r][c], expected.m[r][c]);
            EXPECT_FLOAT_EQ(app.orthoProjection.m[r][c], ortho.m[r][c]);
        }
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST_F(CApplicationGLTest, EscapeAndCloseRequestsQuit)
{
    Process(SDL_KEYDOWN, [](SDL_Event& e) { e.key.keysym = {SDL_SCANCODE_A, SDLK_a, 0, 0}; });
    EXPECT_FALSE(app.quit);
    Process(SDL_KEYDOWN, [](SDL_Event& e) { e.key.keysym = {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0}; });
    EXPECT_TRUE(app.quit);

    app.quit = false;
    Process(SDL_QUIT, [](SDL_Event&) {});
    EXPECT_TRUE(app.quit);
}
