#pragma once

#include <SDL2/SDL.h>
#include <functional>
#include <memory>
#include <string>

#include "app/CTextRenderer.h"
#include "core/CCamera.h"
#include "core/IScene.h"
#include "core/Matrix4.h"
#include "effects/AutoRenderScale.h"
#include "effects/CPostProcessor.h"
#include "shaders/CShader.h"
#include "shaders/CShaderProgram.h"

class CSkybox;

// The application singleton: window, OpenGL context, main loop and shutdown.
class CApplication
{
public:
    static CApplication& GetInstance();

    bool Init(std::string name);
    void ProcessEvents();
    void Update();
    void RenderFrame();
    void Shutdown();

    void UpdateProjection(float fieldOfView, float aspect, float nearPlane, float farPlane);
    void UpdateOrthoProjection(int newWidth, int newHeight);
    float ScaleByFrameTime(float ratePerSecond) const { return ratePerSecond * deltaTime; }

    // Replaces the active camera, deleting the previous one.
    void SetCamera(CCamera* newCamera);
    // Replaces the sky, releasing and deleting the previous one.
    void SetSkybox(CSkybox* newSkybox);

    SDL_Window* window = nullptr;
    SDL_GLContext glContext = nullptr;
    float deltaTime = 0.0f;
    int32_t lastFrameClock = 0;
    int32_t width = 0;
    int32_t height = 0;
    Matrix4 projection;
    Matrix4 orthoProjection;
    bool showMenu = true;
    bool vsync = false;
    CCamera* camera = nullptr;
    CTextRenderer textRenderer;
    CShader textVertexShader;
    CShader textFragmentShader;
    CShaderProgram textProgram;
    CSkybox* skybox = nullptr;
    CPostProcessor postProcessor;
    IScene* scene = nullptr;
    bool quit = false;

    // Set before Init: ask for a debug context and print the driver's debug
    // messages (the capture tool's --gl-debug; the program keeps the plain context).
    bool debugContext = false;

    // Called with the finished frame still in the back buffer, just before the swap.
    std::function<void()> onBeforeSwap;

private:
    CApplication() = default;

    bool CreateWindowAndContext(const std::string& name);
    void InitUserInterface();
    void InitTextRenderer();
    void DestroyTextRenderer();
    void HandleWindowEvent(const SDL_WindowEvent& event);
    void BuildInfoWindow();
    void HoldTargetFrameTime();

    AutoScaleState autoScale;
};
