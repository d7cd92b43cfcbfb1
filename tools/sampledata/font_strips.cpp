#include "tools/sampledata/font_strips.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

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

const StripStyle* styleOf(uint16_t recordId) {
    const StripStyle* style = std::find_if(std::begin(kStrips), std::end(kStrips),
                                           [&](const StripStyle& s) { return s.recordId == recordId; });
    return style == std::end(kStrips) ? nullptr : style;
}

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
        case 11: return {' '};     // the narrow space
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

// A glyph's ink as the font draws it: the shades trimmed to the ink, and how many rows its first
// row stands above the line.
struct Ink {
    int width = 0;
    int height = 0;
    int rise = 0;
    std::vector<uint8_t> shades;
};

Ink renderInk(FT_Face face, uint32_t character, FT_UInt pixels, double widthScale) {
    FT_Matrix condense{FT_Fixed(std::lround(widthScale * 0x10000)), 0, 0, 0x10000};
    FT_Set_Transform(face, &condense, nullptr);
    FT_Set_Pixel_Sizes(face, 0, pixels);
    if (FT_Load_Char(face, character, FT_LOAD_RENDER) != 0) return {};
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    auto shadeAt = [&](int col, int row) { return shadeIndex(bitmap.buffer[row * bitmap.pitch + col]); };
    int left = int(bitmap.width), right = -1, top = int(bitmap.rows), bottom = -1;
    for (int row = 0; row < int(bitmap.rows); ++row)
        for (int col = 0; col < int(bitmap.width); ++col)
            if (shadeAt(col, row) != 0) {
                left = std::min(left, col);
                right = std::max(right, col);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
    Ink ink;
    if (right < 0) return ink;
    ink.width = right - left + 1;
    ink.height = bottom - top + 1;
    ink.rise = slot->bitmap_top - top;
    for (int row = top; row <= bottom; ++row)
        for (int col = left; col <= right; ++col) ink.shades.push_back(shadeAt(col, row));
    return ink;
}

// The glyph's ink at the strip's size. The font's advance can be narrower than what it inks (the
// glyph boxes leave out the column of spacing the text layer adds), so a glyph wider than its box
// is condensed sideways, step by step, until it fits: cut, a digit's right stroke would be lost.
Ink fittedInk(FT_Face face, const GlyphShape& shape, int stripHeight, int boxWidth) {
    constexpr double kStep = 0.02;
    constexpr double kNarrowest = 0.4;
    const FT_UInt pixels = FT_UInt(std::lround(stripHeight * 0.75 * shape.scale));
    double widthScale = 1.0;
    Ink ink = renderInk(face, shape.character, pixels, widthScale);
    while (ink.width > boxWidth && widthScale > kNarrowest) {
        widthScale = std::min(widthScale - kStep, widthScale * boxWidth / ink.width);
        ink = renderInk(face, shape.character, pixels, widthScale);
    }
    return ink;
}

// The small digits of a strip whose digit box is three columns wide: an outline font at five rows
// keeps no digit's strokes (a "4" lost its left stroke), so they are drawn pixel by pixel, three
// columns by five rows, in the text's own shade.
constexpr int kPixelDigitWidth = 3;
constexpr int kPixelDigitRows = 5;
constexpr const char* kPixelDigits[10][kPixelDigitRows] = {
    {".#.", "#.#", "#.#", "#.#", ".#."}, {".#.", "##.", ".#.", ".#.", "###"}, {"##.", "..#", ".#.", "#..", "###"},
    {"##.", "..#", ".#.", "..#", "##."}, {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "##.", "..#", "##."},
    {".##", "#..", "##.", "#.#", ".#."}, {"###", "..#", ".#.", ".#.", ".#."}, {".#.", "#.#", ".#.", "#.#", ".#."},
    {".#.", "#.#", ".##", "..#", "##."}};

// The digit a small-digit code shows, or -1.
int smallDigit(uint8_t code) {
    if (code >= 14 && code <= 23) return code - 14;
    if (code >= 160 && code <= 169) return code - 160;
    return -1;
}

Ink pixelDigitInk(int digit) {
    Ink ink;
    ink.width = kPixelDigitWidth;
    ink.height = kPixelDigitRows;
    ink.rise = kPixelDigitRows;
    for (const char* row : kPixelDigits[digit])
        for (int col = 0; col < kPixelDigitWidth; ++col) ink.shades.push_back(row[col] == '#' ? 1 : 0);
    return ink;
}

}  // namespace

int StripHeight(uint16_t recordId) {
    const StripStyle* style = styleOf(recordId);
    return style ? style->height : 0;
}

std::vector<SStripGlyph> RenderStripGlyphs(uint16_t recordId, std::string& error) {
    const StripStyle* style = styleOf(recordId);
    if (style == nullptr) {
        error = "record " + std::to_string(recordId) + " is not a font strip";
        return {};
    }
    FaceGuard ft;
    const std::string path = std::string(BRIMVALE_FONT_FOLDER) + "/" + style->face;
    if (FT_Init_FreeType(&ft.library) != 0 || FT_New_Face(ft.library, path.c_str(), 0, &ft.face) != 0) {
        error = "cannot read the font " + path;
        return {};
    }
    // The classic hinter snaps stems to whole pixels, as a bitmap font's are: at these sizes the
    // softer default smears a stroke over two columns and the glyph outgrows its box.
    FT_UInt classicHinter = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(ft.library, "truetype", "interpreter-version", &classicHinter);

    const int height = style->height;
    const int baseline = int(std::lround(height * 0.8));
    std::vector<SStripGlyph> glyphs;
    for (const SGlyph& entry : GlyphList(recordId)) {
        const GlyphShape shape = shapeOf(entry.code);
        const int digit = smallDigit(entry.code);
        Ink ink = digit >= 0 && entry.width == kPixelDigitWidth ? pixelDigitInk(digit)
                                                                : fittedInk(ft.face, shape, height, entry.width);
        const int lineY = shape.raised ? height / 2 : baseline;
        SStripGlyph glyph;
        glyph.code = entry.code;
        glyph.boxWidth = entry.width;
        // Centred in its box; one that would reach past the strip's top or bottom is moved in.
        glyph.left = (entry.width - ink.width) / 2;
        glyph.top = std::clamp(lineY - ink.rise, 0, std::max(0, height - ink.height));
        glyph.width = ink.width;
        glyph.height = ink.height;
        glyph.shades = std::move(ink.shades);
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

std::vector<uint8_t> RenderFontStrip(uint16_t recordId, std::string& error) {
    const std::vector<SStripGlyph> glyphs = RenderStripGlyphs(recordId, error);
    if (glyphs.empty()) return {};
    const int width = int(StripWidth(recordId));
    const int height = StripHeight(recordId);
    std::vector<uint32_t> indices(size_t(width) * height, 0);
    int column = 0;
    for (const SStripGlyph& glyph : glyphs) {
        for (int row = 0; row < glyph.height; ++row)
            for (int col = 0; col < glyph.width; ++col) {
                const int x = glyph.left + col;
                const int y = glyph.top + row;
                if (x < 0 || x >= glyph.boxWidth || y < 0 || y >= height) continue;
                indices[size_t(y) * width + column + x] = glyph.shades[size_t(row) * glyph.width + col];
            }
        column += glyph.boxWidth + 1;
    }
    // Indices 1 to 3 are drawn in the text's shades; the table only has to cover them.
    const uint16_t colours[] = {0x0000, 0xFFDF, 0xAD55, 0x52AA};
    return BuildPictureRecord(0, width, height, indices, colours);
}
