#pragma once

#include <cstdint>

#include "effects/SettingTable.h"

struct SceneObject;

// The main scene's settings sections, drawn inside the open "Info" window in
// this order. Each is a collapsing header, closed at first; its widgets (the
// setting table's, for all but "Scene") read their fields and write the edits
// straight back.

// "Scene": the foliage/rocks object is hidden or shown (null: no checkbox).
void DrawSceneSection(SceneObject* foliage);
void DrawLightsSection(const SettingOwners& owners);
void DrawPostProcessingSection(const SettingOwners& owners);
// Opens with the particle count.
void DrawParticlesSection(const SettingOwners& owners, int32_t particleCount);
void DrawDebugSection(const SettingOwners& owners);
// "Quality": the preset combo, then the render scale and its automatic control
// (the slider shows the scale the control holds).
void DrawQualitySection(const SettingOwners& owners);

// "Spawn rate" as stored: truncated toward zero and kept within the slider's
// 1 to 5000 (a typed-in value may lie outside it).
int32_t StoredSpawnRate(float rate);
