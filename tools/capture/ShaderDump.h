#pragma once

#include <string>

#include "shaders/CShader.h"

// The file a stage is dumped to: the last component of its resource path
// ("Resources\shaders\Blur.vert" -> "Blur.vert").
std::string ShaderDumpFileName(const std::string& path);

// An observer that writes every shader stage, exactly as it is handed to
// OpenGL, to `dir` (created here); empty when `dir` can't be made. A stage
// that can't be written is reported and sets `failed`.
ShaderSourceObserver ShaderDumpObserver(const std::string& dir, bool& failed);
