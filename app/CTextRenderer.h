#pragma once

#include <GL/glew.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/GlyphImage.h"
#include "textures/CTexture.h"

class CShaderProgram;
struct FT_LibraryRec_;
struct FT_FaceRec_;

// A glyph's layout values in the font rasteriser's 26.6 fixed point.
struct GlyphMetrics
{
    long advanceX = 0;
    long bearingX = 0;
    long bearingY = 0;
    long width = 0;
    long height = 0;
};

// Bitmap text from a TrueType font: one texture and one screen-space quad per
// character code 0 to 127 at 32 pixels, with the metrics that place them,
// and a vertex array holding every quad (character c at vertex 4c).
class CTextRenderer
{
public:
    static constexpr int kSlots = 256;
    static constexpr int kBuiltCodes = 128;
    static constexpr int kPixelSize = 32;
    static constexpr int kVertexBytes = 16; // x, y, u, v

    // False, with nothing built, when the font can't be opened.
    bool LoadFont(const std::string& path);
    // Renders code `code` of the open face and adds it (used by LoadFont).
    void CreateGlyph(int code);
    // Builds code `code`'s texture, metrics and quad from a rendered glyph.
    void AddGlyph(int code, const GlyphBitmap& bitmap, const GlyphMetrics& metrics);
    // Frees the glyph textures, the vertex array and its buffer.
    void Release();

    std::array<CTexture, kSlots> glyphTextures;
    std::array<int32_t, kSlots> advance = {};
    std::array<int32_t, kSlots> descent = {};
    std::array<int32_t, kSlots> bearingX = {};
    std::array<int32_t, kSlots> bearingY = {};
    std::array<int32_t, kSlots> glyphWidth = {};
    std::array<int32_t, kSlots> glyphHeight = {};
    int32_t pixelSize = 0;
    int32_t maxHeight = 0;
    bool loaded = false;
    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
    GLenum bufferTarget = 0;
    std::vector<uint8_t> vertexData;
    bool uploaded = false;
    FT_LibraryRec_* fontLibrary = nullptr; // open only during LoadFont
    FT_FaceRec_* face = nullptr;           // open only during LoadFont
    CShaderProgram* program = nullptr;

private:
    bool OpenFace(const std::string& path);
    void CloseFace();
    void UploadVertices();
};
