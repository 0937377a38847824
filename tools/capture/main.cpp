// kestrune-capture: renders frames of the real application under a fixed
// clock step and writes the final frame and a timing report.
#include <GL/glew.h>
#include <array>
#include <chrono>
#include <cstdio>
#include <imgui.h>
#include <memory>
#include <optional>

#include "CaptureOptions.h"
#include "FrameCapture.h"
#include "FrameGraphRecorder.h"
#include "FrameRecorder.h"
#include "GpuStageTimer.h"
#include "MouseClicks.h"
#include "RasterFloor.h"
#include "ResourceSample.h"
#include "ShaderDump.h"
#include "TextureDump.h"
#include "app/CApplication.h"
#include "app/DisplayCheck.h"
#include "app/GlDebugOutput.h"
#include "app/InputState.h"
#include "app/ResourceLocation.h"
#include "camera/CShowcaseCamera.h"
#include "core/CRenderSettings.h"
#include "core/Clock.h"
#include "scene/CMainScene.h"

namespace
{
int32_t steppedClock = 0;
// Profiler marks read the stepped clock plus the real time spent in the frame so
// far (or a fixed step per mark, with --mark-ms), so that the Info window's
// profiler shows real stage times.
std::optional<int32_t> nextMarkClock;
std::chrono::steady_clock::time_point frameBegan;
int marksInFrame = 0;
int currentFrame = 0;
std::array<uint8_t, SDL_NUM_SCANCODES> keyboard = {};
GpuStageTimer gpuTimer;
RasterFloor rasterFloor;
FrameGraphRecorder frameGraph;

double MsSince(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

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

// Where --set writes: the render settings and the scene's particle settings.
SettingOwners Targets(CMainScene& scene)
{
    return {CRenderSettings::GetInstance(), scene.particleSettings};
}

void ApplySettings(const CaptureOptions& options, CApplication& app, CMainScene& scene)
{
    if (options.timeOfDay)
        CRenderSettings::GetInstance().timeOfDay = *options.timeOfDay;
    ApplySettingOverrides(options.presetSettings, 0, Targets(scene));
    ApplySettingOverrides(options.settings, 0, Targets(scene));
    if (options.hideUi)
        app.showMenu = false;
    scene.lightShadowsProgram.fullVariantOnly = options.fullLitProgram;
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

// The names of the profiler marks of the frame so far, in order.
std::vector<std::string> MarkNames()
{
    std::vector<std::string> names;
    for (const ProfilerMark& mark : CRenderSettings::GetInstance().profilerMarks)
        names.push_back(mark.name);
    return names;
}

// How far past the frame's stepped clock the next profiler mark reads: the real
// time spent in the frame so far, or with --mark-ms a fixed step per mark.
int32_t MarkOffsetMs(const CaptureOptions& options)
{
    if (options.markMs)
        return int32_t(++marksInFrame) * *options.markMs;
    const auto spent = std::chrono::steady_clock::now() - frameBegan;
    return int32_t(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count());
}

void InstallHooks(const CaptureOptions& options, FrameRecorder& recorder)
{
    SetClockSource([] {
        const int32_t now = nextMarkClock.value_or(steppedClock);
        nextMarkClock.reset();
        return now;
    });
    SetKeyboardSource([&options] { return HeldKeyboard(options); });
    CRenderSettings::GetInstance().profilerMarkObserver = [&options, &recorder](const std::string& name) {
        if (options.bench)
        {
            // The timestamp goes in ahead of the finish, which sends it to the GPU with the stage's work.
            gpuTimer.Mark(name);
            glFinish();
        }
        recorder.Mark(name);
        frameGraph.CountMark();
        nextMarkClock = AdvanceClockMs(steppedClock, MarkOffsetMs(options));
    };
}

// Says which OpenGL implementation draws the frames, on the console and in the report.
void ReportGlImplementation(FrameRecorder& recorder)
{
    const auto text = [](GLenum name) {
        const GLubyte* value = glGetString(name);
        return value != nullptr ? std::string(reinterpret_cast<const char*>(value)) : std::string("unknown");
    };
    const std::string renderer = text(GL_RENDERER);
    const std::string version = text(GL_VERSION);
    std::printf("GL renderer: %s\nGL version: %s\n", renderer.c_str(), version.c_str());
    recorder.SetGlStrings(renderer, version);
}

// The GPU timer for --bench and the raster floor for --floor; false when the floor cannot be made.
bool CreateInstruments(const CaptureOptions& options, const CApplication& app, CMainScene& scene,
                       FrameRecorder& recorder)
{
    if (options.bench && gpuTimer.Create())
        recorder.SetGpuTimed();
    else if (options.bench)
        std::fprintf(stderr, "kestrune-capture: the OpenGL context has no timestamp counter: no GPU stage times\n");
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    return !options.floor ||
           rasterFloor.Create(scene, app.width, app.height, settings.shadowMapWidth, settings.shadowMapHeight);
}

// Waits for the GPU times still in flight, hands them to the recorder and frees the instruments.
void FinishInstruments(FrameRecorder& recorder)
{
    gpuTimer.Finish();
    for (const auto& [frame, stages] : gpuTimer.Results())
        recorder.SetGpuStages(frame, stages);
    gpuTimer.Destroy();
    rasterFloor.Destroy();
}

// Time spent on the raster floor before the first frame is presented is left out of the start-up time.
bool RunFrames(const CaptureOptions& options, CApplication& app, CMainScene& scene, FrameRecorder& recorder,
               std::chrono::steady_clock::time_point started, double floorMs)
{
    bool written = options.outPng.empty();
    const int total = options.warmup + options.frames;
    app.onBeforeSwap = [&] {
        if (currentFrame == total && !options.frameGraph.empty())
            frameGraph.Disarm(MarkNames());
        if (options.bench)
            glFinish();
        if (currentFrame == total && !options.outPng.empty())
            written = WriteBackBufferImage(app.width, app.height, options.outPng);
    };
    app.lastFrameClock = GetClockMs();
    app.deltaTime = 0.0f;
    for (currentFrame = 1; currentFrame <= total && !app.quit; ++currentFrame)
    {
        // Floor and frame alternate, so that both see the machine in the same state.
        const auto floorBegan = std::chrono::steady_clock::now();
        const StageTimes floorPasses = options.floor ? rasterFloor.Draw() : StageTimes();
        if (currentFrame == 1)
            floorMs += MsSince(floorBegan);
        ApplySettingOverrides(options.settings, currentFrame, Targets(scene));
        steppedClock = AdvanceClockMs(steppedClock, options.stepMs);
        frameBegan = std::chrono::steady_clock::now();
        marksInFrame = 0;
        recorder.BeginFrame(currentFrame);
        gpuTimer.BeginFrame(currentFrame);
        if (currentFrame == total && !options.frameGraph.empty())
            frameGraph.Arm(options.bench);
        DeliverClicks(options.clicks, currentFrame, app.window);
        app.ProcessEvents();
        app.Update();
        app.RenderFrame();
        gpuTimer.EndFrame();
        recorder.Count(scene.particles.particleCount, CRenderSettings::GetInstance().vertexCount);
        recorder.SetFloorPasses(floorPasses);
        recorder.EndFrame(app.deltaTime * 1000.0, currentFrame > options.warmup);
        if (currentFrame % 100 == 0)
            recorder.AddResourceSample(TakeResourceSample(currentFrame));
        if (currentFrame == 1)
            recorder.SetStartupMs(MsSince(started) - floorMs);
    }
    return written;
}

// Everything before the window opens: the command line's own problems,
// --help, the display, the data set and the shader dump. The exit status
// where the run ends there.
std::optional<int> PrepareRun(const std::optional<CaptureOptions>& options, const std::string& error,
                              bool& shaderDumpFailed)
{
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
    const std::string displayProblem = DisplayProblem();
    if (!displayProblem.empty())
    {
        std::fprintf(stderr, "kestrune-capture: %s: run it under Xvfb: %s ./kestrune-capture ...\n",
                     displayProblem.c_str(), xvfbCommand);
        return 2;
    }
    if (!UseResourcesFolder("kestrune-capture"))
        return 1;
    ShaderSourceObserver dump;
    if (!options->dumpShadersDir.empty() && !(dump = ShaderDumpObserver(options->dumpShadersDir, shaderDumpFailed)))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options->dumpShadersDir.c_str());
        return 1;
    }
    SetShaderSourceObserver([dump](GLuint shader, const std::string& path, GLenum type, const std::string& source) {
        frameGraph.NameShader(shader, path);
        if (dump)
            dump(shader, path, type, source);
    });
    return std::nullopt;
}

void CloseApplication(CApplication& app)
{
    app.Shutdown();
    SDL_Quit();
}

// What the run says at its end: the debug messages, the files it wrote and
// the summary. 0 when every file asked for was written.
int Report(const CaptureOptions& options, const FrameRecorder& recorder, bool written, bool dumped)
{
    int status = dumped ? 0 : 1;
    if (options.glDebug)
    {
        const GlDebugTally& tally = GetGlDebugTally();
        std::printf("GL debug messages: high %d, medium %d, low %d, notification %d\n", tally.high, tally.medium,
                    tally.low, tally.notification);
    }
    if (!written)
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options.outPng.c_str());
        status = 1;
    }
    else if (!options.outPng.empty())
        std::printf("Wrote %s\n", options.outPng.c_str());
    if (!options.frameGraph.empty() && !frameGraph.Write(options.frameGraph))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options.frameGraph.c_str());
        status = 1;
    }
    if (!options.reportJson.empty() && !recorder.WriteReport(options.reportJson))
    {
        std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", options.reportJson.c_str());
        status = 1;
    }
    if (options.bench)
        std::fputs(recorder.Summary().c_str(), stdout);
    return status;
}

// Starts the application and its instruments, runs the frames, closes it all
// and reports; the exit status.
int Run(const CaptureOptions& options, bool shaderDumpFailed)
{
    const auto started = std::chrono::steady_clock::now();
    FrameRecorder recorder;
    InstallHooks(options, recorder);
    const auto scene = std::make_unique<CMainScene>();
    CApplication& app = CApplication::GetInstance();
    app.scene = scene.get();
    app.debugContext = options.glDebug;
    // A preset is set before start-up as well, so that the targets and maps are
    // made at its sizes (and again after it, with the lamps there to take it).
    ApplySettingOverrides(options.presetSettings, 0, Targets(*scene));
    if (!app.Init("Kestrune"))
    {
        std::fprintf(stderr, "kestrune-capture: the application failed to start\n");
        return 1;
    }
    ImGui::GetIO().IniFilename = nullptr; // the same first-use layout on every run
    if (!options.frameGraph.empty())
        frameGraph.Install();
    ReportGlImplementation(recorder);
    ApplySettings(options, app, *scene);
    const auto instrumentsBegan = std::chrono::steady_clock::now();
    if (!CreateInstruments(options, app, *scene, recorder))
    {
        std::fprintf(stderr, "kestrune-capture: the raster floor could not be made\n");
        FinishInstruments(recorder);
        CloseApplication(app);
        return 1;
    }
    const bool written = RunFrames(options, app, *scene, recorder, started, MsSince(instrumentsBegan));
    FinishInstruments(recorder);
    const bool dumped = options.dumpTexturesDir.empty() ||
                        DumpRenderTextures(CRenderSettings::GetInstance().renderTextures, options.dumpTexturesDir);
    CloseApplication(app);
    recorder.SetPeakResidentKb(PeakResidentMemoryKb());
    return Report(options, recorder, written, dumped && !shaderDumpFailed);
}
}

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<CaptureOptions> options = ParseCaptureOptions(argc, argv, error);
    bool shaderDumpFailed = false;
    if (const std::optional<int> status = PrepareRun(options, error, shaderDumpFailed))
        return *status;
    return Run(*options, shaderDumpFailed);
}
