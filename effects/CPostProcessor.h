#pragma once

// Owns the scene pass target and composes the final picture into the window.
// The scene is drawn straight into the window's framebuffer for now; the
// off-screen targets and the effect chain plug into these same calls.
class CPostProcessor
{
public:
    void Init();
    void BeginScenePass();
    void Apply();
    void Destroy();

private:
    bool initialized = false;
};
