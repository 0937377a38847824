#include "app/CTextRenderer.h"

#include <algorithm>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "core/ResourcePath.h"

bool CTextRenderer::OpenFace(const std::string& path)
{
    if (FT_Init_FreeType(&fontLibrary) != 0)
    {
        fontLibrary = nullptr;
        return false;
    }
    if (FT_New_Face(fontLibrary, ResolveResourcePath(path).c_str(), 0, &face) != 0)
    {
        face = nullptr;
        CloseFace();
        return false;
    }
    return true;
}

void CTextRenderer::CloseFace()
{
    if (face != nullptr)
        FT_Done_Face(face);
    if (fontLibrary != nullptr)
        FT_Done_FreeType(fontLibrary);
    face = nullptr;
    fontLibrary = nullptr;
}

bool CTextRenderer::LoadFont(const std::string& path)
{
    Release();
    if (!OpenFace(path))
        return false;
    FT_Set_Pixel_Sizes(face, kPixelSize, kPixelSize);
    pixelSize = kPixelSize;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &vertexBuffer);
    bufferTarget = GL_ARRAY_BUFFER;
    glBindBuffer(bufferTarget, vertexBuffer);
    for (int code = 0; code < kBuiltCodes; ++code)
        CreateGlyph(code);
    loaded = true;
    CloseFace();
    UploadVertices();
    return true;
}

void CTextRenderer::CreateGlyph(int code)
{
    GlyphBitmap bitmap;
    GlyphMetrics metrics;
    const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(code));
    // A glyph the rasteriser refuses keeps its slot as an empty one.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0 &&
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0)
    {
        const FT_Bitmap& rendered = face->glyph->bitmap;
        bitmap.width = int(rendered.width);
        bitmap.rows = int(rendered.rows);
        bitmap.pitch = rendered.pitch;
        // With a negative pitch the buffer starts at the bottom row.
        bitmap.pixels = rendered.buffer;
        if (rendered.pitch < 0 && bitmap.rows > 0)
            bitmap.pixels -= ptrdiff_t(rendered.pitch) * (bitmap.rows - 1);
        const FT_Glyph_Metrics& m = face->glyph->metrics;
        metrics = {face->glyph->advance.x, m.horiBearingX, m.horiBearingY, m.width, m.height};
    }
    AddGlyph(code, bitmap, metrics);
}

void CTextRenderer::AddGlyph(int code, const GlyphBitmap& bitmap, const GlyphMetrics& metrics)
{
    const size_t slot = size_t(code);
    const GlyphImage image = FlipGlyphBitmap(bitmap);
    CTexture& texture = glyphTextures[slot];
    texture.CreateFromData(image.texels.data(), unsigned(image.width), unsigned(image.height));
    glSamplerParameteri(texture.sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(texture.sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(texture.sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(texture.sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

    // Arithmetic shifts: fractions drop toward minus infinity.
    advance[slot] = int32_t(metrics.advanceX >> 6);
    bearingX[slot] = int32_t(metrics.bearingX >> 6);
    bearingY[slot] = int32_t(metrics.bearingY >> 6);
    descent[slot] = int32_t((metrics.height - metrics.bearingY) >> 6);
    glyphWidth[slot] = int32_t(metrics.width >> 6);
    glyphHeight[slot] = int32_t(metrics.height >> 6);
    maxHeight = std::max(maxHeight, glyphHeight[slot]);

    const std::array<float, 16> quad = GlyphQuad(image.width, image.height, descent[slot]);
    const auto* bytes = reinterpret_cast<const uint8_t*>(quad.data());
    vertexData.insert(vertexData.end(), bytes, bytes + sizeof(quad));
}

void CTextRenderer::UploadVertices()
{
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertexData.size()), vertexData.data(), GL_STATIC_DRAW);
    uploaded = true;
    vertexData.clear();
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, kVertexBytes, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, kVertexBytes, reinterpret_cast<const void*>(8));
    // Nothing draws with it; unbound, no later vertex setup can change it by accident.
    glBindVertexArray(0);
}

void CTextRenderer::Release()
{
    for (CTexture& texture : glyphTextures)
        texture.Release();
    if (vertexBuffer != 0)
        glDeleteBuffers(1, &vertexBuffer);
    if (vertexArray != 0)
        glDeleteVertexArrays(1, &vertexArray);
    vertexBuffer = 0;
    vertexArray = 0;
    vertexData.clear();
    loaded = false;
    uploaded = false;
    maxHeight = 0;
}
