#pragma once

#include <cstdint>

class CRenderSettings;
struct ParticleParams;
struct SceneObject;

// The main scene's settings sections, drawn inside the open "Info" window in
// this order. Each is a collapsing header, closed at first; its widgets read
// their fields and write the edits straight back.

// "Scene": the foliage/rocks object is hidden or shown (null: no checkbox).
void DrawSceneSection(SceneObject* foliage);
void DrawLightsSection(CRenderSettings& settings);
void DrawPostProcessingSection(CRenderSettings& settings);
void DrawParticlesSection(ParticleParams& particles, int32_t particleCount);
void DrawDebugSection(CRenderSettings& settings);

// "Spawn rate" as stored: truncated toward zero and kept within the slider's
// 1 to 5000 (a typed-in value may lie outside it).
int32_t StoredSpawnRate(float rate);
