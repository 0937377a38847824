#include "app/CApplication.h"

#include <GL/glew.h>
#include <cfloat>
#include <imgui.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

#include "app/DisplayCheck.h"
#include "app/GlDebugOutput.h"
#include "app/InputState.h"
#include "app/LayoutFile.h"
#include "app/PlotVar.h"
#include "app/ProfilerSection.h"
#include "app/UserInterfaceStyle.h"
#include "camera/CFlyingCamera.h"
#include "core/CRenderSettings.h"
#include "core/Clock.h"
#include "core/Projection.h"
#include "scene/CSkyboxCubemap.h"

CApplication& CApplication::GetInstance()
{
    static CApplication instance;
    return instance;
}

bool CApplication::CreateWindowAndContext(const std::string& name)
{
    SDL_Init(SDL_INIT_EVERYTHING);
    const std::string displayProblem = DisplayProblem();
    if (!displayProblem.empty())
    {
        SDL_Log("%s: run it under Xvfb: %s ./kestrune", displayProblem.c_str(), xvfbCommand);
        return false;
    }
    window = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1600, 900,
                              SDL_WINDOW_OPENGL);
    if (window == nullptr)
    {
        SDL_Log("No window could be opened (%s): is there a display?", SDL_GetError());
        return false;
    }
    SDL_GetWindowSize(window, &width, &height);
    SDL_ClearError();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG |
                                                  (debugContext ? SDL_GL_CONTEXT_DEBUG_FLAG : 0));
    glContext = SDL_GL_CreateContext(window);
    SDL_GL_MakeCurrent(window, glContext);
    const char* error = SDL_GetError();
    if (error != nullptr && error[0] != '\0')
    {
        SDL_Log("OpenGL %d.%d is not supported! Please download latest GPU drivers!", 3, 3);
        return false;
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK)
    {
        SDL_Log("Couldn't initialize GLEW!");
        return false;
    }
    // glewInit may leave GL_INVALID_ENUM behind on a core context.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    if (debugContext && !EnableGlDebugOutput())
        SDL_Log("The OpenGL context offers no debug output (KHR_debug)");
    return true;
}

void CApplication::InitUserInterface()
{
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    if (!LayoutFileUsable(io.IniFilename))
        io.IniFilename = nullptr; // the layout is simply not kept
    ImGui_ImplSDL2_InitForOpenGL(window, glContext);
    ImGui_ImplOpenGL3_Init("#version 330 core");
    ApplyUserInterfaceStyle();
}

bool CApplication::Init(std::string name)
{
    if (!CreateWindowAndContext(name))
        return false;
    InitUserInterface();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);

    if (scene != nullptr)
        scene->Init();
    if (camera == nullptr)
        SetCamera(new CFlyingCamera());
    InitTextRenderer();
    if (skybox == nullptr)
    {
        SetSkybox(new CSkyboxCubemap());
        skybox->Init("Resources\\skyboxes\\%s.jpg");
    }

    postProcessor.Init();

    SDL_MaximizeWindow(window);
    SDL_RestoreWindow(window);
    // Without a window manager the maximise may produce no size event; queue
    // one for the current size so the first frame always has a projection.
    SDL_Event sizeEvent = {};
    sizeEvent.type = SDL_WINDOWEVENT;
    sizeEvent.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    sizeEvent.window.windowID = SDL_GetWindowID(window);
    SDL_GetWindowSize(window, &sizeEvent.window.data1, &sizeEvent.window.data2);
    SDL_PushEvent(&sizeEvent);
    return true;
}

void CApplication::InitTextRenderer()
{
    textProgram.Create();
    textProgram.LoadAndAttachStages({{&textVertexShader, "Resources\\shaders\\ortho2D.vert", GL_VERTEX_SHADER},
                                     {&textFragmentShader, "Resources\\shaders\\font2D.frag", GL_FRAGMENT_SHADER}});
    textProgram.Link();
    textRenderer.LoadFont("Resources\\fonts\\OpenSans-Regular.ttf");
    textRenderer.program = &textProgram;
}

void CApplication::DestroyTextRenderer()
{
    textProgram.DestroyWithStages({&textVertexShader, &textFragmentShader});
    textRenderer.Release();
}

void CApplication::SetCamera(CCamera* newCamera)
{
    delete camera;
    camera = newCamera;
}

void CApplication::SetSkybox(CSkybox* newSkybox)
{
    if (skybox != nullptr)
        skybox->Release();
    delete skybox;
    skybox = newSkybox;
}

void CApplication::HandleWindowEvent(const SDL_WindowEvent& event)
{
    if (event.event != SDL_WINDOWEVENT_SIZE_CHANGED)
        return;
    SDL_GetWindowSize(window, &width, &height);
    glViewport(0, 0, width, height);
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    UpdateProjection(settings.fieldOfView, AspectRatio(event.data1, event.data2), settings.nearPlane,
                     settings.farPlane);
    UpdateOrthoProjection(event.data1, event.data2);
}

void CApplication::ProcessEvents()
{
    InputState& input = GetInputState();
    input.wheelX = 0;
    input.wheelY = 0;
    input.keyboard = ReadKeyboardState();

    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        ImGui_ImplSDL2_ProcessEvent(&event);
        switch (event.type)
        {
        case SDL_QUIT:
            quit = true;
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE)
                quit = true;
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(event.window);
            break;
        case SDL_MOUSEWHEEL:
            input.wheelX = event.wheel.x;
            input.wheelY = event.wheel.y;
            break;
        default:
            break;
        }
    }
}

void CApplication::UpdateProjection(float fieldOfView, float aspect, float nearPlane, float farPlane)
{
    projection = MakePerspective(fieldOfView, aspect, nearPlane, farPlane);
}

void CApplication::UpdateOrthoProjection(int newWidth, int newHeight)
{
    orthoProjection = MakeOrthoProjection(newWidth, newHeight);
}

void CApplication::Update()
{
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    if (scene != nullptr)
        scene->Update();
    if (camera != nullptr)
        camera->Update();
    UpdateMenuToggle(GetInputState(), showMenu);
    SDL_GL_SetSwapInterval(vsync ? 1 : 0);
}

void CApplication::BuildInfoWindow()
{
    ImGui::SetNextWindowSize(ImVec2(400.0f, 0.9f * float(height)), ImGuiCond_FirstUseEver);
    ImGui::Begin("Info", nullptr, ImGuiWindowFlags_NoScrollWithMouse);
    ImGui::Text("F1: Show/Hide menu");
    ImGui::Text("WASD: Rotate | Mouse Scroll: Zoom | ALT: Look");
    PlotVar("FPS", ImGui::GetIO().Framerate, 0.0f, FLT_MAX);
    ImGui::Checkbox("V-Sync", &vsync);
    CRenderSettings& settings = CRenderSettings::GetInstance();
    DrawProfilerSection(settings.profilerMarks, settings.vertexCount);
    if (scene != nullptr)
        scene->RenderUI();
    ImGui::End();
}

void CApplication::RenderFrame()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    settings.profilerMarks.clear();
    settings.AddProfilerMark("Start");
    if (scene != nullptr)
        scene->RenderShadowMaps();
    postProcessor.BeginScenePass();
    settings.vertexCount = 0;
    if (skybox != nullptr)
        skybox->Render();
    settings.AddProfilerMark("Skymap");
    if (scene != nullptr)
        scene->Render();
    settings.AddProfilerMark("Render");
    postProcessor.Apply();
    settings.AddProfilerMark("PostProcess");

    BuildInfoWindow();
    deltaTime = AdvanceFrameClock(GetClockMs(), lastFrameClock);
    HoldTargetFrameTime();
    if (showMenu)
    {
        ImGui::Render();
        ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    }
    else
    {
        ImGui::EndFrame();
    }
    if (onBeforeSwap)
        onBeforeSwap();
    SDL_GL_SwapWindow(window);
}

// While it is on, the automatic render scale weighs the frame just timed; the
// next frame is drawn at the scale it returns.
void CApplication::HoldTargetFrameTime()
{
    CRenderSettings& settings = CRenderSettings::GetInstance();
    if (!settings.autoRenderScale)
    {
        autoScale = AutoScaleState();
        return;
    }
    settings.renderScale =
        NextRenderScale(autoScale, deltaTime * 1000.0f, settings.renderScale, settings.targetFrameTime);
}

void CApplication::Shutdown()
{
    SetSkybox(nullptr);
    SetCamera(nullptr);
    DestroyTextRenderer();
    postProcessor.Destroy();
    if (glContext != nullptr && scene != nullptr)
        scene->Release();
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    SDL_GL_DeleteContext(glContext);
    SDL_DestroyWindow(window);
    glContext = nullptr;
    window = nullptr;
}
