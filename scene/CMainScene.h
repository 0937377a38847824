#pragma once

#include "core/IScene.h"

// The winter scene. Its programs, models, lights and shadow passes are added
// stage by stage; until then every step is empty.
class CMainScene : public IScene
{
public:
    void Init() override {}
    void RenderShadowMaps() override {}
    void Render() override {}
    void RenderUI() override {}
    void Update() override {}
    void Release() override {}
};
