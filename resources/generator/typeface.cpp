#include "typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <stdexcept>
#include <vector>

namespace fluvane::resources::generator {

namespace {

std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

// Emboldening strength in 26.6 units: about a twentieth of the em.
FT_Pos boldStrength(int size) { return size * 64 / 20; }

}  // namespace

struct Typeface::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    // Loads one glyph's outline at `style`, emboldened when asked; false if absent.
    bool load(char32_t point, const TextStyle& style) const {
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.size));
        if (FT_Load_Char(face, point, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT)) return false;
        if (style.bold && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_Embolden(&face->glyph->outline, boldStrength(style.size));
        return true;
    }

    // The glyph's advance in 26.6 units, widened by emboldening.
    FT_Pos advance(const TextStyle& style) const {
        return face->glyph->advance.x + (style.bold ? boldStrength(style.size) : 0);
    }
};

Typeface::Typeface(const std::string& fontFile) : face_(std::make_unique<Face>()) {
    if (FT_Init_FreeType(&face_->library)) throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(face_->library, fontFile.c_str(), 0, &face_->face))
        throw std::runtime_error("cannot read the font " + fontFile);
}

Typeface::~Typeface() = default;

int Typeface::width(std::string_view text, const TextStyle& style) const {
    FT_Pos pen = 0;
    for (char32_t point : codePoints(text))
        if (face_->load(point, style)) pen += face_->advance(style);
    return static_cast<int>((pen + 32) >> 6);
}

void Typeface::draw(Image& image, std::string_view text, const TextStyle& style, double left, double centreY) const {
    // Glyphs are rendered at the image's own resolution, not enlarged.
    const int scale = image.scale();
    const TextStyle scaled{style.size * scale, style.color, style.bold};
    // The ink of a full-height CJK glyph gives the baseline for the size.
    int inkTop = -scaled.size * 4 / 5;
    int inkBottom = scaled.size / 10;
    if (face_->load(U'国', scaled) && !FT_Render_Glyph(face_->face->glyph, FT_RENDER_MODE_NORMAL)) {
        inkTop = -face_->face->glyph->bitmap_top;
        inkBottom = inkTop + static_cast<int>(face_->face->glyph->bitmap.rows);
    }
    const int baseline = static_cast<int>(std::lround(centreY * scale - (inkTop + inkBottom) / 2.0));

    FT_Pos pen = static_cast<FT_Pos>(std::lround(left * scale * 64));
    for (char32_t point : codePoints(text)) {
        if (!face_->load(point, scaled)) continue;
        FT_GlyphSlot glyph = face_->face->glyph;
        const FT_Pos advance = face_->advance(scaled);
        if (FT_Render_Glyph(glyph, FT_RENDER_MODE_NORMAL)) continue;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int originX = static_cast<int>((pen + 32) >> 6) + glyph->bitmap_left;
        const int originY = baseline - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char coverage = bitmap.buffer[row * bitmap.pitch + column];
                if (coverage)
                    image.blendPixel(originX + static_cast<int>(column), originY + static_cast<int>(row), style.color,
                                     coverage / 255.0);
            }
        pen += advance;
    }
}

void Typeface::drawCentred(Image& image, std::string_view text, const TextStyle& style, double centreX,
                           double centreY) const {
    draw(image, text, style, centreX - width(text, style) / 2.0, centreY);
}

}  // namespace fluvane::resources::generator
