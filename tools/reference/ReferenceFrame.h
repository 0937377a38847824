#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ImageComparison.h"

// The window pixels a view compares: its crop, or the whole `width` x `height` frame.
PixelRect ComparedRegion(const std::optional<PixelRect>& crop, int width, int height);

// References are kept at half the compared region's width and height (2 x 2
// means), which keeps the repository small; an edge moved by two window pixels
// still changes a stored pixel by half the edge's contrast.
RgbImage ReferenceForm(const RgbImage& capture, const PixelRect& region);
// Window masks in the coordinates of the reference form of `region`.
std::vector<PixelRect> ReferenceMasks(const std::vector<PixelRect>& windowMasks, const PixelRect& region);

// The stored reference at `path`; nothing, and a one-line `problem`, when it is
// missing, unreadable or not the stored size of a `width` x `height` region.
std::optional<RgbImage> LoadReference(const std::string& path, int width, int height, std::string& problem);

// Writes `image` as a PNG at `path` whole or not at all: a temporary file beside it
// is renamed over it.
bool WriteImageWhole(const RgbImage& image, const std::string& path);
