// Generates the renderer's data set (models, material maps, sky and lens
// images, sprites) into a Resources folder. Same program, same bytes: all
// randomness comes from fixed seeds.
//
//   kestrune-datagen <Resources folder> [--contact-sheet <png>] [--label-font <ttf>]

#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "CDatasetWriter.h"
#include "CTerrain.h"
#include "ContactSheet.h"
#include "LensImages.h"
#include "MaterialImages.h"
#include "Models.h"
#include "SkyImages.h"
#include "SpriteImages.h"

namespace
{
struct Options
{
    std::string outputDir;
    std::string contactSheet;
    std::string labelFont = "/usr/share/fonts/truetype/open-sans/OpenSans-Regular.ttf";
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--contact-sheet") == 0 && hasValue)
            options.contactSheet = argv[++i];
        else if (std::strcmp(argv[i], "--label-font") == 0 && hasValue)
            options.labelFont = argv[++i];
        else if (argv[i][0] != '-' && options.outputDir.empty())
            options.outputDir = argv[i];
        else
            return false;
    }
    return !options.outputDir.empty();
}

using Job = std::function<void(CDatasetWriter&)>;

std::vector<Job> MakeJobs(const CTerrain& terrain)
{
    auto model = [&terrain](const char* path, CMeshBuilder (*build)(const CTerrain&)) {
        return Job([&terrain, path, build](CDatasetWriter& w) { w.WriteModel(path, build(terrain)); });
    };
    auto plain = [](const char* path, CMeshBuilder (*build)()) {
        return Job([path, build](CDatasetWriter& w) { w.WriteModel(path, build()); });
    };
    // Slowest first, so two threads finish together.
    return {
        WriteDynamicSkyMaps,
        WriteCubeSkyFaces,
        WriteStoneMaterials,
        WriteSnowAndGroundMaterials,
        WriteWoodMaterials,
        WriteLensImages,
        model("models/scene/snow_landscape.obj", BuildLandscape),
        model("models/scene/grass.obj", BuildGrass),
        WriteCelestialSprites,
        WriteSnowflakeSprite,
        plain("models/scene/japanese_table.obj", BuildTable),
        plain("models/scene/torii.obj", BuildTorii),
        plain("models/scene/lantern.obj", BuildLantern),
        plain("models/scene/lantern2.obj", BuildLantern2),
        plain("models/sphere/sphere.obj", BuildSphere),
        plain("models/quad/quad.obj", BuildQuad),
    };
}

void RunJobs(const std::vector<Job>& jobs, CDatasetWriter& writer)
{
    std::atomic<size_t> next{0};
    auto worker = [&]() {
        for (size_t i = next++; i < jobs.size(); i = next++)
            jobs[i](writer);
    };
    std::thread helper(worker);
    worker();
    helper.join();
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        std::fprintf(stderr, "usage: %s <Resources folder> [--contact-sheet <png>] [--label-font <ttf>]\n", argv[0]);
        return 2;
    }
    std::printf("[datagen] generating the data set into %s\n", options.outputDir.c_str());
    const CTerrain terrain;
    CDatasetWriter writer(options.outputDir);
    RunJobs(MakeJobs(terrain), writer);
    if (!options.contactSheet.empty())
    {
        const bool ok = WriteContactSheet(writer.SortedThumbnails(), options.labelFont, options.contactSheet);
        std::printf("%s[datagen] contact sheet %s\n", ok ? "" : "FAILED: ", options.contactSheet.c_str());
        if (!ok)
            return 1;
    }
    return writer.Failed() ? 1 : 0;
}
