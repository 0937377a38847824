#include <GL/glew.h>
#include <cstdio>

#include "app/CApplication.h"
#include "app/ResourceLocation.h"
#include "app/SoftwareRendererHint.h"
#include "core/Clock.h"
#include "scene/CMainScene.h"

int main(int, char**)
{
    if (!UseResourcesFolder("kestrune"))
        return 1;
    IScene* scene = new CMainScene();
    CApplication& app = CApplication::GetInstance();
    app.scene = scene;
    if (app.Init("Kestrune"))
    {
        const std::string hint = SoftwareRendererHint(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        if (!hint.empty())
        {
            std::printf("%s\n", hint.c_str());
            std::fflush(stdout);
        }
        app.lastFrameClock = GetClockMs();
        app.deltaTime = 0.0f;
        while (!app.quit)
        {
            app.ProcessEvents();
            app.Update();
            app.RenderFrame();
        }
        app.Shutdown();
        SDL_Quit();
    }
    delete scene;
    return 0;
}
