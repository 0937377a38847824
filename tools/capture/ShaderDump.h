#pragma once

#include <string>

// The file a stage is dumped to: the last component of its resource path
// ("Resources\shaders\Blur.vert" -> "Blur.vert").
std::string ShaderDumpFileName(const std::string& path);

// From now on writes every shader stage, exactly as it is handed to OpenGL, to
// `dir` (created here). False, with nothing installed, when `dir` can't be made;
// a stage that can't be written is reported and sets `failed`.
bool StartShaderDump(const std::string& dir, bool& failed);
