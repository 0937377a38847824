#pragma once

#include "CMeshBuilder.h"

class CTerrain;

// One builder per model file. Units are metres; y is up; the ground under the
// origin is at y = 0.
CMeshBuilder BuildLandscape(const CTerrain& terrain);
CMeshBuilder BuildTable();
CMeshBuilder BuildTorii();
CMeshBuilder BuildLantern();
CMeshBuilder BuildLantern2();
CMeshBuilder BuildGrass(const CTerrain& terrain);
CMeshBuilder BuildSphere();
CMeshBuilder BuildQuad();
