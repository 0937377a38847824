#pragma once

#include "core/Lights.h"
#include "scene/SceneAnimation.h"
#include "scene/SkyMath.h"

// The scene's sun at a time of day, as the frame sets it.
inline DirectionalLight SunAt(float timeOfDay)
{
    DirectionalLight sun;
    sun.Base.Color = SunColorAt(timeOfDay);
    sun.Base.AmbientIntensity = 0.1f;
    sun.Base.DiffuseIntensity = 0.8f;
    sun.Direction = SunDirection(timeOfDay);
    return sun;
}
