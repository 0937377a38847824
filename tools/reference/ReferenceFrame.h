#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ImageComparison.h"

// References are kept at half the window's width and height (2 x 2 means), which
// keeps the repository small; an edge moved by two window pixels still changes a
// stored pixel by half the edge's contrast.
RgbImage ReferenceForm(const RgbImage& capture);
std::vector<PixelRect> ReferenceMasks(const std::vector<PixelRect>& windowMasks);

// The stored reference at `path`; nothing, and a one-line `problem`, when it is
// missing, unreadable or not the stored size of a `windowWidth` x `windowHeight` frame.
std::optional<RgbImage> LoadReference(const std::string& path, int windowWidth, int windowHeight,
                                      std::string& problem);

// Writes `image` as a PNG at `path` whole or not at all: a temporary file beside it
// is renamed over it.
bool WriteImageWhole(const RgbImage& image, const std::string& path);
