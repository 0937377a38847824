// The fuzz targets on the data set's own files, each mutated a few thousand
// times with a fixed seed, after every input that ever failed (regressions/).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <regex>

#include "CorpusMutator.h"
#include "targets/FuzzTargets.h"

namespace fs = std::filesystem;

namespace
{
using FuzzTarget = std::function<int(const uint8_t*, size_t)>;

const fs::path resources = fs::path(KESTRUNE_BIN_DIR) / "Resources";
const fs::path regressions = fs::path(KESTRUNE_FUZZ_REGRESSIONS);
// Seeds are kept small so that thousands of inputs take seconds.
const uintmax_t kMaxSeedBytes = 48 * 1024;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The small files under `folder` (recursively) whose extension is in `extensions`.
std::vector<fs::path> SmallFiles(const fs::path& folder, const std::vector<std::string>& extensions)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        for (const std::string& extension : extensions)
            if (entry.is_regular_file() && entry.path().extension() == extension && entry.file_size() <= kMaxSeedBytes)
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// With KESTRUNE_FUZZ_LAST_INPUT set, each input is written there before it
// runs, so the one that brings the suite down can be kept under regressions/.
size_t RunInput(const FuzzTarget& target, const std::string& input)
{
    if (const char* last = std::getenv("KESTRUNE_FUZZ_LAST_INPUT"))
        std::ofstream(last, std::ios::binary | std::ios::trunc) << input;
    target(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    return 1;
}

// Every regression input of `name`, every seed, then `count` mutations of the
// seeds in turn; returns how many inputs ran.
size_t RunCampaign(const std::string& name, const FuzzTarget& target, const std::vector<std::string>& seeds,
                   std::vector<std::string> dictionary, size_t count)
{
    size_t inputs = 0;
    if (fs::is_directory(regressions / name))
        for (const fs::directory_entry& entry : fs::directory_iterator(regressions / name))
            inputs += RunInput(target, ReadFile(entry.path()));
    for (const std::string& seed : seeds)
        inputs += RunInput(target, seed);
    CorpusMutator mutator(20261207u, std::move(dictionary));
    for (size_t i = 0; i < count; ++i)
        inputs += RunInput(target, mutator.Mutate(seeds[i % seeds.size()]));
    std::cout << "[fuzz] " << name << ": " << inputs << " inputs from " << seeds.size() << " seeds" << std::endl;
    return inputs;
}

// A stage with its first include renamed to a.glsl, and that include as a.glsl.
std::string ShaderSeed(const fs::path& stage)
{
    const std::string text = ReadFile(stage);
    std::smatch include;
    if (!std::regex_search(text, include, std::regex("#include \"([^\"]+)\"")))
        return text;
    const fs::path included = stage.parent_path() / include[1].str();
    return include.prefix().str() + "#include \"a.glsl\"" + include.suffix().str() + '\0' + ReadFile(included);
}

// An OBJ whose material library is read as model.mtl, and that library after a zero byte.
std::string ModelSeed(const fs::path& obj)
{
    const std::string text = ReadFile(obj);
    std::smatch library;
    if (!std::regex_search(text, library, std::regex("mtllib ([^\r\n]+)")))
        return text;
    return library.prefix().str() + "mtllib model.mtl" + library.suffix().str() + '\0' +
           ReadFile(obj.parent_path() / library[1].str());
}
}

TEST(FuzzSuiteTest, ShaderPreprocessorSurvivesMutatedShaders)
{
    std::vector<std::string> seeds;
    for (const fs::path& file : SmallFiles(resources / "shaders", {".vert", ".frag", ".geom"}))
        seeds.push_back(ShaderSeed(file));
    // An include cycle through all three files and a self-include, each inside a section.
    seeds.push_back(std::string("#include \"a.glsl\"\nvoid main() {}\n") + '\0' +
                    "#def_include\n#include \"b.glsl\"\nfloat a;\n#def_source\n" + '\0' +
                    "#def_include\n#include \"a.glsl\"\n#include \"b.glsl\"\n#include \"main.glsl\"\n#def_source\n");
    ASSERT_GE(seeds.size(), 20u);
    const std::vector<std::string> words = {"#include \"a.glsl\"\n", "#include \"b.glsl\"\n", "#include \"main.glsl\"\n",
                                            "#include \"\n", "#include a.glsl\n", "#def_include\n", "#def_source\n",
                                            std::string(300, 'x'), "\n"};
    EXPECT_GT(RunCampaign("shaders", FuzzShaderPreprocessor, seeds, words, 3000), 3000 + seeds.size());
}

TEST(FuzzSuiteTest, ImageDecoderSurvivesMutatedImages)
{
    std::vector<std::string> seeds;
    for (const fs::path& file : SmallFiles(resources, {".png", ".jpg"}))
        seeds.push_back(ReadFile(file));
    ASSERT_GE(seeds.size(), 8u);
    const std::vector<std::string> words = {"IHDR", "IDAT", "IEND", "PLTE", "tRNS", "\xff\xd8", "\xff\xc0", "\xff\xda",
                                            "\xff\xd9", std::string(16, '\xff')};
    RunCampaign("images", FuzzImageDecoder, seeds, words, 2000);
}

TEST(FuzzSuiteTest, ModelLoaderSurvivesMutatedModels)
{
    std::vector<std::string> seeds;
    for (const fs::path& file : SmallFiles(resources / "models", {".obj"}))
        seeds.push_back(ModelSeed(file));
    ASSERT_GE(seeds.size(), 2u);
    const std::vector<std::string> words = {"f 1 2 3\n", "f -1 -2 -3\n", "f 99999999 1 2\n", "f 1/1/1 2/2/2 0/0/0\n",
                                            "v 1e39 nan inf\n", "vt 0.5\n", "vn\n", "usemtl missing\n", "mtllib nofile.mtl\n",
                                            "newmtl m\nmap_Kd ../../../etc/passwd\n", "o \n", "g \n", "s off\n"};
    RunCampaign("models", FuzzModelLoader, seeds, words, 1000);
}
