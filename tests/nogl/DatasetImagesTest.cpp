// The generated images decode the way the renderer's loader expects, and the
// generator makes the same bytes every time.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
std::string ResourceFile(const std::string& relative)
{
    return std::string(KESTRUNE_BIN_DIR) + "/Resources/" + relative;
}

struct Decoded
{
    unsigned bpp = 0, width = 0, height = 0;
    bool transparent = false;
    double opaqueFraction = 0.0; // share of texels with alpha above one half
};

// Decodes as the texture loader does: format by signature, then by name.
bool Decode(const std::string& path, Decoded& out)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(path.c_str());
    FIBITMAP* image = format == FIF_UNKNOWN ? nullptr : FreeImage_Load(format, path.c_str(), 0);
    if (!image)
        return false;
    out = {FreeImage_GetBPP(image), FreeImage_GetWidth(image), FreeImage_GetHeight(image),
           FreeImage_IsTransparent(image) != 0, 0.0};
    size_t opaque = 0;
    for (unsigned y = 0; out.bpp == 32 && y < out.height; ++y)
        for (unsigned x = 0; x < out.width; ++x)
            opaque += FreeImage_GetScanLine(image, int(y))[x * 4 + FI_RGBA_ALPHA] > 127 ? 1 : 0;
    out.opaqueFraction = double(opaque) / (out.width * out.height);
    FreeImage_Unload(image);
    return out.width > 0 && out.height > 0;
}

std::vector<char> ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every regular file under `root`, relative to it.
std::vector<fs::path> FilesUnder(const fs::path& root)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(fs::relative(entry.path(), root));
    std::sort(files.begin(), files.end());
    return files;
}

int RunGenerator(const std::string& arguments)
{
    return std::system(("\"" + std::string(KESTRUNE_BIN_DIR) + "/kestrune-datagen\" " + arguments + " > /dev/null 2>&1").c_str());
}
// Mean absolute step between neighbouring texels across the image's wrap edges and
// inside it, over all three channels: a tiling image steps no harder across its edges.
struct Steps
{
    double wrap = 0.0, inside = 0.0;
};

bool MeasureSteps(const std::string& path, Steps& steps)
{
    FIBITMAP* image = FreeImage_Load(FreeImage_GetFileType(path.c_str(), 0), path.c_str(), 0);
    if (!image || FreeImage_GetBPP(image) != 24)
        return image ? (FreeImage_Unload(image), false) : false;
    const int width = int(FreeImage_GetWidth(image)), height = int(FreeImage_GetHeight(image));
    auto texel = [&](int x, int y, int c) { return double(FreeImage_GetScanLine(image, y)[x * 3 + c]); };
    double wrap = 0.0, inside = 0.0;
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < height; ++i)
        {
            wrap += std::abs(texel(width - 1, i, c) - texel(0, i, c)) + std::abs(texel(i, height - 1, c) - texel(i, 0, c));
            inside += std::abs(texel(width / 2, i, c) - texel(width / 2 - 1, i, c)) +
                      std::abs(texel(i, height / 2, c) - texel(i, height / 2 - 1, c));
        }
    steps = {wrap / (6.0 * height), inside / (6.0 * height)};
    FreeImage_Unload(image);
    return width == height;
}
} // namespace

TEST(DatasetImagesTest, RepeatedGroundMaterialsTileWithoutSeams)
{
    // The snow and rock images repeat every few metres across the landscape: a step at their
    // edges would draw straight lines over the whole snowfield.
    for (const char* material : {"snow", "rock"})
        for (const char* map : {"_diffuse.png", "_normal.png"})
        {
            const std::string image = std::string("models/scene/") + material + map;
            Steps steps;
            ASSERT_TRUE(MeasureSteps(ResourceFile(image), steps)) << image;
            EXPECT_GT(steps.inside, 0.0) << image;
            EXPECT_LT(steps.wrap, 1.5 * steps.inside) << image;
        }
}

TEST(DatasetImagesTest, MaterialSkyAndLensImagesAreOpaqueTwentyFourBit)
{
    std::vector<std::string> images = {"skyboxes/dynamic/horizonmap.png", "skyboxes/dynamic/sunmap.png",
                                       "Textures/lenscolor.png", "Textures/lensdirt.png", "Textures/lensstar.png"};
    for (const auto& entry : fs::recursive_directory_iterator(ResourceFile("models")))
        if (entry.path().extension() == ".png")
            images.push_back(fs::relative(entry.path(), ResourceFile("")).string());
    EXPECT_GT(images.size(), 25u);
    for (const std::string& image : images)
    {
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(image), decoded)) << image;
        EXPECT_EQ(decoded.bpp, 24u) << image;
        EXPECT_FALSE(decoded.transparent) << image;
    }

    // The fallback sky's faces are square and all of one size.
    Decoded right;
    ASSERT_TRUE(Decode(ResourceFile("skyboxes/right.jpg"), right));
    EXPECT_EQ(right.width, right.height);
    for (const char* face : {"left", "bottom", "top", "back", "front"})
    {
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(std::string("skyboxes/") + face + ".jpg"), decoded)) << face;
        EXPECT_TRUE(decoded.bpp == 24 && !decoded.transparent && decoded.width == right.width &&
                    decoded.height == right.height) << face;
    }
    for (const char* font : {"fonts/DroidSans.ttf", "fonts/OpenSans-Regular.ttf"})
        EXPECT_GT(fs::file_size(ResourceFile(font)), 10000u) << font;
}

TEST(DatasetImagesTest, SpritesCarryAlphaAndTheStarIsATinyCore)
{
    for (const auto& [path, maxOpaque] : {std::make_pair("skyboxes/dynamic/sun.png", 0.2),
                                          std::make_pair("skyboxes/dynamic/moon.png", 0.7),
                                          std::make_pair("skyboxes/dynamic/star.png", 0.002),
                                          std::make_pair("textures/snow_particle3.png", 0.7)})
    {
        SCOPED_TRACE(path);
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(path), decoded));
        EXPECT_EQ(decoded.bpp, 32u);
        EXPECT_TRUE(decoded.transparent);
        EXPECT_GT(decoded.opaqueFraction, 0.0);
        EXPECT_LT(decoded.opaqueFraction, maxOpaque);
    }
}

TEST(DatasetImagesTest, GeneratorIsDeterministicAndMatchesTheBuiltLayout)
{
    EXPECT_NE(RunGenerator(""), 0); // the output folder is required

    const fs::path root = fs::temp_directory_path() / ("kestrune-datagen-test-" + std::to_string(::getpid()));
    fs::remove_all(root);
    ASSERT_EQ(RunGenerator("\"" + (root / "a").string() + "\""), 0);
    ASSERT_EQ(RunGenerator("\"" + (root / "b").string() + "\""), 0);
    const std::vector<fs::path> files = FilesUnder(root / "a");
    ASSERT_EQ(files, FilesUnder(root / "b"));
    EXPECT_GT(files.size(), 40u);
    for (const fs::path& file : files)
    {
        const std::vector<char> bytes = ReadBytes(root / "a" / file);
        EXPECT_EQ(bytes, ReadBytes(root / "b" / file)) << file;
        EXPECT_EQ(bytes, ReadBytes(fs::path(ResourceFile("")) / file)) << file;
    }
    fs::remove_all(root);
}
