#pragma once

#include <string>
#include <vector>

#include "CDatasetWriter.h"

// Tiles every thumbnail into one PNG with its file name below it. Labels are
// drawn with the given TrueType font; without it the sheet has no labels.
bool WriteContactSheet(const std::vector<Thumbnail>& thumbnails, const std::string& fontPath,
                       const std::string& outputPath);
