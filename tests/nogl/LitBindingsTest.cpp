#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "core/LitBindings.h"
#include "shaders/ShaderPreprocessor.h"

namespace
{
// The value of `#define NAME value` in a shader's expanded source, or -1 when it has none.
int DefinedCount(const std::string& shaderPath, const std::string& name)
{
    std::vector<std::string> chunks;
    if (!PreprocessShaderFile(shaderPath, false, chunks))
        return -1;
    std::string source;
    for (const std::string& chunk : chunks)
        source += chunk;
    std::smatch match;
    if (!std::regex_search(source, match, std::regex("#define " + name + " ([0-9]+)")))
        return -1;
    return std::stoi(match[1]);
}
}

TEST(LitBindingsTest, TheLitShadersTakeTheCountsThatTheCodeUploads)
{
    for (const char* stage : {"Resources/shaders/lightShadows.vert", "Resources/shaders/lightShadows.frag"})
    {
        EXPECT_EQ(DefinedCount(stage, "CASCADE_COUNT"), kCascadeCount) << stage;
        EXPECT_EQ(DefinedCount(stage, "POINT_LIGHT_SLOTS"), kMaxPointLightsPerDraw) << stage;
    }
}
