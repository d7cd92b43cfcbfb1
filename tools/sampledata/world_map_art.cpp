#include "tools/sampledata/world_map_art.h"

#include <cstdio>
#include <map>
#include <sstream>

#include "tools/sampledata/art_canvas.h"

namespace {

constexpr int kSection = 21;  // cells a section, pixels a map on the world map

// The colour of a cell from its parts in the level text; the grass of the surface where none says
// otherwise.
uint16_t cellColour(const std::string& parts) {
    const auto has = [&](const char* part) { return parts.find(part) != std::string::npos; };
    if (has("centre=base_tree")) return ArtColour(30, 90, 30);
    if (has("centre=base_door")) return ArtColour(150, 90, 40);
    if (has("centre=base_stairs")) return ArtColour(20, 20, 20);
    if (has("centre=base_brick")) return ArtColour(120, 110, 100);
    if (has("centre=base_fountain")) return ArtColour(60, 120, 220);
    if (has("floor=base_sand")) return ArtColour(214, 190, 130);
    if (has("floor=base_stone")) return ArtColour(180, 180, 170);
    return ArtColour(96, 150, 70);
}

// Paints the rows of a section's level text at (left, top) of the picture.
void paintSection(const std::string& level, int left, int top, SArtCanvas& picture) {
    std::map<char, std::string> legend;
    std::istringstream lines(level);
    std::string line;
    int row = -1, firstColumn = 0;
    while (std::getline(lines, line)) {
        if (row < 0 && line.rfind("cell ", 0) == 0 && line.size() > 5) {
            legend[line[5]] = line.substr(6);
        } else if (row < 0 && std::sscanf(line.c_str(), "cells %d %d", &firstColumn, &row) == 2) {
            continue;
        } else if (row >= 0 && line == "end") {
            break;
        } else if (row >= 0) {
            for (size_t column = 0; column < line.size(); ++column)
                picture.Set(left + firstColumn + int(column), top + row, cellColour(legend[line[column]]));
            ++row;
        }
    }
}

}  // namespace

std::vector<uint8_t> WorldMapPicture(const std::vector<SSampleMap>& maps, const std::string& prefix, int width,
                                     int height) {
    SArtCanvas picture(width * kSection, height * kSection, ArtColour(40, 80, 140));
    for (const SSampleMap& map : maps) {
        int x = 0, y = 0;
        if (map.name.rfind(prefix, 0) != 0 || map.name.size() != prefix.size() + 4) continue;
        if (std::sscanf(map.name.c_str() + prefix.size(), "%2d%2d", &x, &y) != 2) continue;
        if (x < 1 || y < 1 || x > width || y > height) continue;
        paintSection(map.level, (x - 1) * kSection, (y - 1) * kSection, picture);
    }
    return picture.Record();
}
