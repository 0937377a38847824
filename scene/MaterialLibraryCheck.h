#pragma once

#include <string>

// Why the material libraries ("mtllib") of the OBJ file at `objPath` must not
// reach the importer, or "" when they may. A texture statement ("map_...",
// "bump", "norm", "disp") or an anisotropy ("a") before a library's first
// "newmtl" has no material to belong to, and the importer's MTL reader
// crashes on it.
std::string MaterialLibraryProblem(const std::string& objPath);

// The same for one library's text.
bool StatementBeforeFirstMaterial(const std::string& libraryText);
