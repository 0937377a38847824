#pragma once

#include <cstdint>

#include "core/SceneObject.h"
#include "scene/CMesh.h"

// Draws one object: skipped when its flags hold any of `excludedFlags` or its
// program did not link; otherwise `overrideProgram` (or the object's own
// program when null) is made current and set up for the object, and the mesh
// is drawn with it, with `drawEntry` (when given) picking its sub-meshes.
void DrawSceneObject(const SceneObject& object, CShaderProgram* overrideProgram, uint32_t excludedFlags,
                     const CMesh::EntryFilter& drawEntry = {});
