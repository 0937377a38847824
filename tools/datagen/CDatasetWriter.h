#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "CImage.h"
#include "ImageFile.h"

class CMeshBuilder;

struct Thumbnail
{
    std::string name;
    CImage image;
};

// Writes the generated files under one root folder, reports each one on
// standard output as it goes, and keeps a small copy of every image for the
// contact sheet. Safe to call from several generator threads.
class CDatasetWriter
{
public:
    explicit CDatasetWriter(std::string root);

    void WriteImage(const std::string& relativePath, const CImage& image, ImageFormat format);
    void WriteModel(const std::string& relativePath, const CMeshBuilder& mesh);

    bool Failed() const { return failed; }
    // In name order, so the sheet does not depend on thread timing.
    std::vector<Thumbnail> SortedThumbnails() const;

private:
    std::string Prepare(const std::string& relativePath);
    void Report(const std::string& line, bool ok);

    std::string root;
    std::mutex mutex;
    std::vector<Thumbnail> thumbnails;
    bool failed = false;
};
