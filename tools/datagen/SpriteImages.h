#pragma once

class CDatasetWriter;

// Sprites drawn on the sky's quad (which spans -1..1, the image edge to
// edge) and the falling-snow billboard; all carry alpha.
void WriteCelestialSprites(CDatasetWriter& writer);
void WriteSnowflakeSprite(CDatasetWriter& writer);
