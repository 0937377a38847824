#include "FuzzScratch.h"
#include "FuzzTargets.h"

#include "shaders/ShaderPreprocessor.h"

int FuzzShaderPreprocessor(const uint8_t* data, size_t size)
{
    const FuzzScratch& scratch = FuzzScratch::Get();
    const std::vector<std::string> parts = SplitAtZeros(data, size, 3);
    scratch.Write("a.glsl", parts.size() > 1 ? parts[1] : std::string());
    scratch.Write("b.glsl", parts.size() > 2 ? parts[2] : std::string());

    std::vector<std::string> lines;
    const bool read = PreprocessShaderFile(scratch.Write("main.glsl", parts[0]), false, lines);
    size_t bytes = 0;
    for (const std::string& line : lines)
    {
        FuzzCheck(!line.empty() && line.size() <= 254, "a chunk is empty or longer than one read");
        bytes += line.size();
    }
    FuzzCheck(read || lines.empty(), "a refused expansion left source behind");
    FuzzCheck(bytes <= (size_t(4) << 20) + 254, "the expansion outgrew its limit");
    return 0;
}
