#pragma once
// The font strips of the interface package, drawn from DejaVu Sans so that they match the game's
// glyph lists: every glyph is drawn whole inside its column box.
#include <cstdint>
#include <string>
#include <vector>

// One glyph as the strip holds it: the shade indices of the smallest rectangle that holds its ink,
// placed by that rectangle's corner within the glyph's box (the box's width from the game's glyph
// list, its height the strip's). A glyph without ink has an empty rectangle.
struct SStripGlyph {
    uint8_t code = 0;
    int boxWidth = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> shades;  // width x height, row by row
};

// Every glyph of a strip (records 3010 to 3014) in the glyph list's order, or nothing with the
// reason in error.
std::vector<SStripGlyph> RenderStripGlyphs(uint16_t recordId, std::string& error);
// The picture record of a strip, or nothing with the reason in error.
std::vector<uint8_t> RenderFontStrip(uint16_t recordId, std::string& error);
// The strip's height in rows; 0 for a record that is not a font strip.
int StripHeight(uint16_t recordId);
