#include "tools/sampledata/font_strips.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

#include "engine/draw/font_glyphs.h"
#include "engine/draw/picture.h"

namespace {

struct StripStyle {
    uint16_t recordId;
    int height;
    const char* face;
};

constexpr StripStyle kStrips[] = {{3010, 15, "DejaVuSans.ttf"},
                                  {3011, 16, "DejaVuSans-Bold.ttf"},
                                  {3012, 18, "DejaVuSans.ttf"},
                                  {3013, 20, "DejaVuSans.ttf"},
                                  {3014, 26, "DejaVuSans.ttf"}};

// What a character code looks like: the character drawn, its size against the font's, and
// whether it sits raised (the high small digits) rather than on the line.
struct GlyphShape {
    uint32_t character;
    double scale = 1.0;
    bool raised = false;
};

GlyphShape shapeOf(uint8_t code) {
    static constexpr char kSuffixes[] = {'K', 'M', 'B', '%'};
    switch (code) {
        case 9: return {0x2022};   // bullet
        case 11: return {0x25B2};  // up triangle
        case 12: return {0x25BC};  // down triangle
        case 28: return {'-', 0.6};
        case 29: return {'+', 0.6};
        case 128: return {0x20AC};  // the euro sign, as on code page 1252
        case 145: return {0x2190};  // the keyboard's backspace
        case 146: return {0x21E7};  // shift for one letter
        case 147: return {0x21EA};  // caps lock
        case 148: return {0x2022};  // the bullet of topic lines
        case 134: return {'-', 0.6, true};
        case 135: return {'+', 0.6, true};
        default: break;
    }
    if (code >= 14 && code <= 23) return {uint32_t('0' + code - 14), 0.6};
    if (code >= 24 && code <= 27) return {uint32_t(kSuffixes[code - 24]), 0.6};
    if (code >= 130 && code <= 133) return {uint32_t(kSuffixes[code - 130]), 0.6, true};
    if (code >= 160 && code <= 169) return {uint32_t('0' + code - 160), 0.6, true};
    return {code};  // ASCII and Latin-1 letters are their own code points
}

// Anti-aliased coverage as the strip's shade indices: 1 is the text colour, 2 and 3 fade out.
uint8_t shadeIndex(uint8_t coverage) {
    if (coverage >= 170) return 1;
    if (coverage >= 85) return 2;
    if (coverage >= 28) return 3;
    return 0;
}

class FaceGuard {
public:
    ~FaceGuard() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

}  // namespace

std::vector<uint8_t> RenderFontStrip(uint16_t recordId, std::string& error) {
    const StripStyle* style = std::find_if(std::begin(kStrips), std::end(kStrips),
                                           [&](const StripStyle& s) { return s.recordId == recordId; });
    if (style == std::end(kStrips)) {
        error = "record " + std::to_string(recordId) + " is not a font strip";
        return {};
    }
    FaceGuard ft;
    const std::string path = std::string(BRIMVALE_FONT_FOLDER) + "/" + style->face;
    if (FT_Init_FreeType(&ft.library) != 0 || FT_New_Face(ft.library, path.c_str(), 0, &ft.face) != 0) {
        error = "cannot read the font " + path;
        return {};
    }

    const int width = int(StripWidth(recordId));
    const int height = style->height;
    std::vector<uint32_t> indices(size_t(width) * height, 0);
    const int baseline = int(std::lround(height * 0.8));
    int column = 0;
    for (const SGlyph& glyph : GlyphList(recordId)) {
        const GlyphShape shape = shapeOf(glyph.code);
        FT_Set_Pixel_Sizes(ft.face, 0, FT_UInt(std::lround(height * 0.75 * shape.scale)));
        if (FT_Load_Char(ft.face, shape.character, FT_LOAD_RENDER) == 0) {
            const FT_GlyphSlot slot = ft.face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            const int lineY = shape.raised ? height / 2 : baseline;
            // The glyph is centred in its box, so that a little overhang is spread over both sides.
            const int left = column + std::max(0, (glyph.width - int(bitmap.width)) / 2);
            for (int row = 0; row < int(bitmap.rows); ++row) {
                const int y = lineY - slot->bitmap_top + row;
                if (y < 0 || y >= height) continue;
                for (int col = 0; col < int(bitmap.width); ++col) {
                    const int x = left + col;
                    if (x >= column + glyph.width) break;
                    indices[size_t(y) * width + x] = shadeIndex(bitmap.buffer[row * bitmap.pitch + col]);
                }
            }
        }
        column += glyph.width + 1;
    }
    // Indices 1 to 3 are drawn in the text's shades; the table only has to cover them.
    const uint16_t colours[] = {0x0000, 0xFFDF, 0xAD55, 0x52AA};
    return BuildPictureRecord(0, width, height, indices, colours);
}
