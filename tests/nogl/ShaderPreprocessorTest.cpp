#include <gtest/gtest.h>

#include <numeric>

#include "shaders/ShaderPreprocessor.h"
#include "tests/TestFiles.h"

namespace
{
// The preprocessed text of a file, or "failed".
std::string Preprocessed(const std::string& path, bool sectionsOnly = false)
{
    std::vector<std::string> lines;
    if (!PreprocessShaderFile(path, sectionsOnly, lines))
        return lines.empty() ? "failed" : "failed with output";
    return std::accumulate(lines.begin(), lines.end(), std::string());
}
}

TEST(ShaderPreprocessorTest, RecognisesDirectivesAndQuotedIncludeNames)
{
    EXPECT_EQ(ParseShaderChunk("#def_include\n").directive, ShaderDirective::SectionBegin);
    EXPECT_EQ(ParseShaderChunk(" \t#def_source\n").directive, ShaderDirective::SectionEnd);
    EXPECT_EQ(ParseShaderChunk("void main() {}\n").directive, ShaderDirective::None);
    EXPECT_EQ(ParseShaderChunk("#Include \"a.glsl\"\n").directive, ShaderDirective::None);
    // With no blank before the name the chunk is ordinary text for the compiler.
    EXPECT_EQ(ParseShaderChunk("#include\"a.glsl\"\n").directive, ShaderDirective::None);

    EXPECT_EQ(ParseShaderChunk("  #include \"lib/a.glsl\"\n").includeName, "lib/a.glsl");
    EXPECT_EQ(ParseShaderChunk("#include \"a.glsl\" trailing\n").includeName, "a.glsl");
    for (const char* unquoted : {"#include a.glsl\n", "#include \"a.glsl\n", "#include a.glsl\"\n", "#include\n"})
    {
        const ShaderChunk chunk = ParseShaderChunk(unquoted);
        EXPECT_EQ(chunk.directive, ShaderDirective::Include) << unquoted;
        EXPECT_EQ(chunk.includeName, "") << unquoted;
    }
    EXPECT_EQ(ShaderDirectoryPrefix("Resources\\shaders/lib/b.glsl"), "Resources\\shaders/lib/");
    EXPECT_EQ(ShaderDirectoryPrefix("a.vert"), "");
}

TEST(ShaderPreprocessorTest, TakesOnlyTheSectionsOfIncludedFilesRelativeToTheirOwnFolder)
{
    TempDir dir("preprocess-tree");
    dir.Write("main.vert", "#version 330 core\n"
                           "#def_include\n"
                           "  #include \"lib\\common.glsl\"\n"
                           "#include missing-quotes.glsl\n"
                           "#include \"absent.glsl\"\n"
                           "#def_source\n"
                           "void main() {}\n");
    dir.Write("lib/common.glsl", "#version 330 core\n"
                                 "outside one\n"
                                 "#def_include\n"
                                 "first section\n"
                                 "#include \"inner.glsl\"\n"
                                 "#def_source\n"
                                 "outside two\n"
                                 "#include \"inner.glsl\"\n"
                                 "#def_include\n"
                                 "second section\n");
    dir.Write("lib/inner.glsl", "not taken\n#def_include\ninner\n");
    dir.Write("lib/plain.glsl", "no sections\n");

    EXPECT_EQ(Preprocessed(dir.Path("main.vert")),
              "#version 330 core\nfirst section\ninner\ninner\nsecond section\nvoid main() {}\n");
    EXPECT_EQ(Preprocessed(dir.Path("lib/plain.glsl"), true), "");
}

TEST(ShaderPreprocessorTest, PassesLongLinesOnInChunksOf254Characters)
{
    TempDir dir("preprocess-long");
    const std::string longLine = std::string(300, 'x') + "\n";
    dir.Write("long.frag", "a\n" + longLine + "b");

    std::vector<std::string> lines;
    ASSERT_TRUE(PreprocessShaderFile(dir.Path("long.frag"), false, lines));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].size(), 254u);
    EXPECT_EQ(lines[1] + lines[2], longLine);
    EXPECT_EQ(lines[3], "b");
}

TEST(ShaderPreprocessorTest, EndsIncludeCyclesAndFailsOnlyForAMissingTopFile)
{
    TempDir dir("preprocess-cycle");
    dir.Write("a.glsl", "#def_include\nfrom a\n#include \"sub/b.glsl\"\n");
    dir.Write("sub/b.glsl", "#def_include\nfrom b\n#include \"../a.glsl\"\n#include \"b.glsl\"\n");
    EXPECT_EQ(Preprocessed(dir.Path("a.glsl")), "from a\nfrom b\n");
    EXPECT_EQ(Preprocessed(dir.Path("nothing.vert")), "failed");
}

TEST(ShaderPreprocessorTest, RefusesZeroBytesAndRunawayExpansionsAndStopsDeepNesting)
{
    TempDir dir("preprocess-limits");
    dir.Write("zero.frag", std::string("void main() {}\n\0float lost;\n", 29));
    EXPECT_EQ(Preprocessed(dir.Path("zero.frag")), "failed");

    // Forty files in a chain: the first 32 are read, the rest skipped.
    for (int i = 0; i < 40; ++i)
        dir.Write("chain" + std::to_string(i) + ".glsl",
                  "#def_include\n" + std::to_string(i) + "\n#include \"chain" + std::to_string(i + 1) + ".glsl\"\n");
    dir.Write("deep.vert", "#include \"chain0.glsl\"\n");
    std::string expected;
    for (int i = 0; i < 31; ++i)
        expected += std::to_string(i) + "\n";
    EXPECT_EQ(Preprocessed(dir.Path("deep.vert")), expected);

    // Each level includes the next eight times: 8^8 copies of a long line.
    for (int i = 0; i < 8; ++i)
    {
        std::string text = "#def_include\n";
        for (int copy = 0; copy < 8; ++copy)
            text += "#include \"fan" + std::to_string(i + 1) + ".glsl\"\n";
        dir.Write("fan" + std::to_string(i) + ".glsl", text);
    }
    dir.Write("fan8.glsl", "#def_include\n//" + std::string(240, 'x') + "\n");
    dir.Write("fan.vert", "#include \"fan0.glsl\"\n");
    EXPECT_EQ(Preprocessed(dir.Path("fan.vert")), "failed");
}

TEST(ShaderPreprocessorTest, DefinesGoAfterTheVersionLineAndNameTheVariant)
{
    std::vector<std::string> lines = {"// a comment first\n", "#version 330 core\n", "void main() {}\n"};
    InsertDefines(lines, {"A", "B"});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "#version 330 core\n");
    EXPECT_EQ(lines[2], "#define A\n#define B\n");

    // Without a version line they go first; without defines nothing changes.
    std::vector<std::string> bare = {"void main() {}\n"};
    InsertDefines(bare, {"A"});
    EXPECT_EQ(bare.front(), "#define A\n");
    InsertDefines(bare, {});
    EXPECT_EQ(bare.size(), 2u);

    EXPECT_EQ(VariantPath("Resources\\shaders\\lit.frag", {"A", "B"}), "Resources\\shaders\\lit.A.B.frag");
    EXPECT_EQ(VariantPath("lit.frag", {}), "lit.frag");
    EXPECT_EQ(VariantPath("dir.d/lit", {"A"}), "dir.d/lit.A");
}
