#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/capture/FrameGraph.h"

namespace
{
const PassImage kCascade{"texture 5", 512, 512, "DEPTH32", false};
const PassImage kScene{"texture 9", 320, 180, "RGB16F", false};
const PassImage kDepth{"Depth texture", 320, 180, "RGB16F", true};
const PassImage kWindow{"window", 320, 180, "RGBA8", true};
const PassImage kDiffuse{"texture 2", 64, 64, "RGB", false};
const PassImage kSkyMap{"SkyboxSunMap", 128, 256, "RGB", true};

DrawRecord Draw(int stage, const char* program, std::vector<PassImage> writes, std::vector<PassImage> reads = {},
                double gpuMs = -1.0)
{
    return {stage, program, std::move(writes), std::move(reads), gpuMs};
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
}

// A pass is the run of draws of one stage into the same targets: a change of
// program alone does not end it, a change of target or stage does.
TEST(FrameGraphTest, DrawsGroupIntoPassesByStageAndTarget)
{
    const std::vector<std::string> marks = {"Start", "ShadowMapDir", "Render", "PostProcess"};
    const std::vector<FramePass> passes = GroupFramePasses(
        {Draw(1, "shadowMap", {kCascade}, {}, 1.0), Draw(1, "shadowMapOpaque", {kCascade}, {}, 2.0),
         Draw(2, "basic", {kScene, kDepth}, {}, 0.5), Draw(2, "lit", {kScene, kDepth}, {kCascade, kDiffuse}, 0.25),
         Draw(2, "basic", {kScene, kDepth}, {kDiffuse}, 0.25), Draw(3, "post", {kWindow}, {kScene}),
         Draw(4, "overlay", {kWindow})},
        marks);
    ASSERT_EQ(passes.size(), 4u);
    EXPECT_EQ(passes[0].stage, "ShadowMapDir");
    EXPECT_EQ(passes[0].programs, (std::vector<std::string>{"shadowMap", "shadowMapOpaque"}));
    EXPECT_EQ(passes[0].draws, 2);
    EXPECT_DOUBLE_EQ(passes[0].gpuMs, 3.0);
    EXPECT_EQ(passes[1].programs, (std::vector<std::string>{"basic", "lit"}));
    EXPECT_EQ(passes[1].reads, (std::vector<PassImage>{kCascade, kDiffuse}));
    EXPECT_EQ(passes[1].draws, 3);
    EXPECT_EQ(passes[2].gpuMs, -1.0) << "untimed";
    // Draws after the frame's last mark are the interface's, into the same window.
    EXPECT_EQ(passes[3].stage, "Interface");
}

TEST(FrameGraphTest, GraphNamesEveryTargetAndCountsWhatItDoesNotShow)
{
    const std::vector<FramePass> passes = GroupFramePasses(
        {Draw(1, "shadowMap", {kCascade}), Draw(2, "lit", {kScene, kDepth}, {kCascade, kDiffuse, kSkyMap}, 1.5),
         Draw(3, "post \"final\"", {kWindow}, {kScene, kDepth})},
        {"Start", "ShadowMapDir", "Render", "PostProcess"});
    const std::string dot = FrameGraphDot(passes);
    EXPECT_EQ(dot.rfind("digraph frame {", 0), 0u);
    EXPECT_EQ(Count(dot, "subgraph cluster_"), 3u);
    EXPECT_EQ(Count(dot, "[shape=box"), 3u);
    // Unnamed targets go by the stage that first writes them; the material image only by count.
    EXPECT_NE(dot.find("label=\"ShadowMapDir target 1\\n512 x 512 DEPTH32\""), std::string::npos) << dot;
    EXPECT_NE(dot.find("label=\"Render target 1\\n320 x 180 RGB16F\""), std::string::npos) << dot;
    EXPECT_EQ(dot.find("texture 2"), std::string::npos) << dot;
    EXPECT_NE(dot.find("lit\\n1 draw, 1 other image, 1.50 ms"), std::string::npos) << dot;
    // A named image that no pass writes is drawn dashed; quotes in a name are escaped.
    EXPECT_NE(dot.find("style=dashed, label=\"SkyboxSunMap"), std::string::npos) << dot;
    EXPECT_NE(dot.find("post \\\"final\\\""), std::string::npos) << dot;
    // Edges: the cascade's writer and its reader, the scene's two targets into the last pass.
    EXPECT_NE(dot.find("p0 -> i0;"), std::string::npos) << dot;
    EXPECT_NE(dot.find("i0 -> p1;"), std::string::npos) << dot;
    EXPECT_EQ(Count(dot, "-> p2;"), 2u) << dot;
    EXPECT_EQ(Count(dot, " -> "), 8u) << dot;
}
