#include "ContactSheet.h"

#include <algorithm>
#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "ImageFile.h"

namespace
{
const int Cell = 176;
const int LabelHeight = 22;
const int Columns = 8;

void DrawText(CImage& sheet, FT_Face face, const std::string& text, int x, int baseline)
{
    for (char ch : text)
    {
        if (FT_Load_Char(face, static_cast<FT_ULong>(ch), FT_LOAD_RENDER) != 0)
            continue;
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
        {
            for (unsigned col = 0; col < bitmap.width; ++col)
            {
                const int px = x + face->glyph->bitmap_left + static_cast<int>(col);
                const int py = baseline - face->glyph->bitmap_top + static_cast<int>(row);
                if (px < 0 || py < 0 || px >= sheet.Width() || py >= sheet.Height())
                    continue;
                const float a = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                glm::vec4& dst = sheet.At(px, py);
                dst = glm::vec4(glm::mix(glm::vec3(dst), glm::vec3(0.95f), a), 1.0f);
            }
        }
        x += static_cast<int>(face->glyph->advance.x >> 6);
    }
}

// The last path component, shortened to what fits under a thumbnail.
std::string Label(const std::string& name)
{
    const size_t slash = name.find_last_of('/');
    std::string label = slash == std::string::npos ? name : name.substr(slash + 1);
    return label.size() > 26 ? label.substr(0, 25) + "~" : label;
}
} // namespace

bool WriteContactSheet(const std::vector<Thumbnail>& thumbnails, const std::string& fontPath,
                       const std::string& outputPath)
{
    const int count = static_cast<int>(thumbnails.size());
    const int rows = std::max(1, (count + Columns - 1) / Columns);
    CImage sheet(Columns * Cell, rows * (Cell + LabelHeight), glm::vec4(0.08f, 0.08f, 0.1f, 1.0f));
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) == 0 && FT_New_Face(library, fontPath.c_str(), 0, &face) == 0)
        FT_Set_Pixel_Sizes(face, 0, 13);
    else
        std::printf("[datagen] no label font at '%s': contact sheet without names\n", fontPath.c_str());
    for (int i = 0; i < count; ++i)
    {
        const CImage& thumb = thumbnails[i].image;
        const int x0 = (i % Columns) * Cell + (Cell - thumb.Width()) / 2;
        const int y0 = (i / Columns) * (Cell + LabelHeight) + (Cell - thumb.Height()) / 2;
        for (int y = 0; y < thumb.Height(); ++y)
            for (int x = 0; x < thumb.Width(); ++x)
                sheet.At(x0 + x, y0 + y) = thumb.At(x, y);
        if (face)
            DrawText(sheet, face, Label(thumbnails[i].name), (i % Columns) * Cell + 6,
                     (i / Columns) * (Cell + LabelHeight) + Cell + 14);
    }
    if (face)
        FT_Done_Face(face);
    if (library)
        FT_Done_FreeType(library);
    return SaveImage(sheet, outputPath, ImageFormat::PngRgb);
}
