#pragma once

// The interface through which the application drives a scene.
class IScene
{
public:
    virtual ~IScene() = default;
    virtual void Init() = 0;
    virtual void RenderShadowMaps() = 0;
    virtual void Render() = 0;
    virtual void RenderUI() = 0;
    virtual void Update() = 0;
    virtual void Release() = 0;
};
