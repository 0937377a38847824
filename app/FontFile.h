#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whether `bytes` hold one TrueType or OpenType font whose table directory
// lies inside the data and names the tables a glyph rasteriser needs (cmap,
// head, hhea, hmtx, and glyf with loca or CFF). Collections are refused.
bool IsUsableFontData(const std::vector<uint8_t>& bytes);

// The same for a file; false when it can't be read.
bool IsUsableFontFile(const std::string& path);
