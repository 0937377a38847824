// kestrune-capture: renders frames of the real application under a fixed
// clock step and writes the final frame and a timing report.
#include <GL/glew.h>
#include <array>
#include <chrono>
#include <cstdio>

#include "CaptureOptions.h"
#include "FrameCapture.h"
#include "FrameRecorder.h"
#include "TextureDump.h"
#include "app/CApplication.h"
#include "app/InputState.h"
#include "camera/CShowcaseCamera.h"
#include "core/CRenderSettings.h"
#include "core/Clock.h"
#include "scene/CMainScene.h"

namespace
{
int32_t steppedClock = 0;
int currentFrame = 0;
std::array<uint8_t, SDL_NUM_SCANCODES> keyboard = {};

// SDL's real key state plus the keys held for the current frame.
const uint8_t* HeldKeyboard(const CaptureOptions& options)
{
    int count = 0;
    const uint8_t* real = SDL_GetKeyboardState(&count);
    for (int i = 0; i < SDL_NUM_SCANCODES; ++i)
        keyboard[size_t(i)] = (real != nullptr && i < count) ? real[i] : 0;
    for (const HeldKey& key : options.heldKeys)
        if (currentFrame >= key.firstFrame && currentFrame <= key.lastFrame)
            keyboard[size_t(key.scancode)] = 1;
    return keyboard.data();
}

void ApplySettings(const CaptureOptions& options, CApplication& app)
{
    if (options.timeOfDay)
        CRenderSettings::GetInstance().timeOfDay = *options.timeOfDay;
    ApplySettingOverrides(options.settings, 0, CRenderSettings::GetInstance());
    if (options.hideUi)
        app.showMenu = false;
    if (!options.camera)
        return;
    if (auto* orbit = dynamic_cast<CShowcaseCamera*>(app.camera))
    {
        orbit->yaw = options.camera->yaw;
        orbit->pitch = options.camera->pitch;
        orbit->distance = options.camera->distance;
    }
    else
        std::fprintf(stderr, "kestrune-capture: --camera ignored: the scene installed no orbit camera\n");
}

void InstallHooks(const CaptureOptions& options, FrameRecorder& recorder)
{
    SetClockSource([] { return steppedClock; });
    SetKeyboardSource([&options] { return HeldKeyboard(options); });
    CRenderSettings::GetInstance().profilerMarkObserver = [&options, &recorder](const std::string& name) {
        if (options.bench)
            glFinish();
        recorder.Mark(name);
    };
}

bool RunFrames(const CaptureOptions& options, CApplication& app, FrameRecorder& recorder,
               std::chrono::steady_clock::time_point started)
{
    bool written = options.outPng.empty();
    const int total = options.warmup + options.frames;
    app.onBeforeSwap = [&] {
        if (options.bench)
            glFinish();
        if (currentFrame == total && !options.outPng.empty())
            written = WriteBackBufferPng(app.width, app.height, options.outPng);
    };
    app.lastFrameClock = GetClockMs();
    app.deltaTime = 0.0f;
    for (currentFrame = 1; currentFrame <= total && !app.quit; ++currentFrame)
    {
        ApplySettingOverrides(options.settings, currentFrame, CRenderSettings::GetInstance());
        steppedClock += options.stepMs;
        recorder.BeginFrame();
        app.ProcessEvents();
        app.Update();
        app.RenderFrame();
        recorder.EndFrame(app.deltaTime * 1000.0, currentFrame > options.warmup);
        if (currentFrame == 1)
            recorder.SetStartupMs(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
    }
    return written;
}
}

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<CaptureOptions> options = ParseCaptureOptions(argc, argv, error);
    if (!options)
    {
        std::fprintf(stderr, "kestrune-capture: %s (see --help)\n", error.c_str());
        return 2;
    }
    if (options->help)
    {
        std::fputs(CaptureUsage().c_str(), stdout);
        return 0;
    }

    const auto started = std::chrono::steady_clock::now();
    FrameRecorder recorder;
    InstallHooks(*options, recorder);
    IScene* scene = new CMainScene();
    CApplication& app = CApplication::GetInstance();
    app.scene = scene;
    if (!app.Init("Kestrune"))
    {
        std::fprintf(stderr, "kestrune-capture: the application failed to start\n");
        delete scene;
        return 1;
    }
    ApplySettings(*options, app);
    const bool written = RunFrames(*options, app, recorder, started);
    const bool dumped = options->dumpTexturesDir.empty() ||
                        DumpRenderTextures(CRenderSettings::GetInstance().renderTextures, options->dumpTexturesDir);
    app.Shutdown();
    SDL_Quit();
    delete scene;

    int status = dumped ? 0 : 1;
    if (!written)
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options->outPng.c_str());
        status = 1;
    }
    else if (!options->outPng.empty())
        std::printf("Wrote %s\n", options->outPng.c_str());
    if (!options->reportJson.empty() && !recorder.WriteReport(options->reportJson))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options->reportJson.c_str());
        status = 1;
    }
    if (options->bench)
        std::fputs(recorder.Summary().c_str(), stdout);
    return status;
}
