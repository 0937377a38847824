#include "CDatasetWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "CMeshBuilder.h"

namespace
{
const int ThumbnailSize = 160;

// Sprites are shown over a checkerboard so their transparency can be judged.
CImage MakeThumbnail(const CImage& image, bool alpha)
{
    const float aspect = static_cast<float>(image.Width()) / image.Height();
    const int w = aspect >= 1.0f ? ThumbnailSize : std::max(1, static_cast<int>(ThumbnailSize * aspect));
    const int h = aspect >= 1.0f ? std::max(24, static_cast<int>(ThumbnailSize / aspect)) : ThumbnailSize;
    // A strip (the lens colour ramp) keeps its few rows, stretched to the height.
    const CImage small = image.Shrunk(w, std::min(h, image.Height()));
    CImage result(w, h);
    for (int y = 0; y < h; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            const glm::vec4 c = small.At(x, y * small.Height() / h);
            const float checker = ((x / 8 + y / 8) % 2) ? 0.25f : 0.15f;
            const float a = alpha ? c.a : 1.0f;
            result.At(x, y) = glm::vec4(glm::mix(glm::vec3(checker), glm::vec3(c), a), 1.0f);
        }
    }
    return result;
}
} // namespace

CDatasetWriter::CDatasetWriter(std::string root) : root(std::move(root)) {}

std::string CDatasetWriter::Prepare(const std::string& relativePath)
{
    const std::filesystem::path path = std::filesystem::path(root) / relativePath;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return path.string();
}

void CDatasetWriter::Report(const std::string& line, bool ok)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!ok)
        failed = true;
    std::printf("%s%s\n", ok ? "" : "FAILED: ", line.c_str());
    std::fflush(stdout);
}

void CDatasetWriter::WriteImage(const std::string& relativePath, const CImage& image, ImageFormat format)
{
    const bool ok = SaveImage(image, Prepare(relativePath), format);
    Report("[datagen] image " + relativePath + " (" + std::to_string(image.Width()) + "x" +
               std::to_string(image.Height()) + ")",
           ok);
    CImage thumbnail = MakeThumbnail(image, format == ImageFormat::PngRgba);
    std::lock_guard<std::mutex> lock(mutex);
    thumbnails.push_back(Thumbnail{relativePath, std::move(thumbnail)});
}

void CDatasetWriter::WriteModel(const std::string& relativePath, const CMeshBuilder& mesh)
{
    const bool ok = mesh.Write(Prepare(relativePath));
    Report("[datagen] model " + relativePath + " (" + std::to_string(mesh.TriangleCount()) + " triangles)", ok);
}

std::vector<Thumbnail> CDatasetWriter::SortedThumbnails() const
{
    std::vector<Thumbnail> sorted = thumbnails;
    std::sort(sorted.begin(), sorted.end(),
              [](const Thumbnail& a, const Thumbnail& b) { return a.name < b.name; });
    return sorted;
}
