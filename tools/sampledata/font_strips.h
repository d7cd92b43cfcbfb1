#pragma once
// The font strips of the interface package, drawn from DejaVu Sans so that they match the game's
// glyph lists: each glyph fills exactly its column box.
#include <cstdint>
#include <string>
#include <vector>

// The picture record of a strip (records 3010 to 3014), or nothing with the reason in error.
std::vector<uint8_t> RenderFontStrip(uint16_t recordId, std::string& error);
