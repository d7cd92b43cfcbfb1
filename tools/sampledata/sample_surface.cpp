#include "tools/sampledata/sample_surface.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int kSide = 21;
constexpr int kRoad = 10;  // the row and column the roads run along
constexpr int kBlock = kSurfaceSections;
constexpr int kMiddle = 2;  // the middle section's X and Y
// Where the position stands in the middle section: on the road, south of the crossing.
constexpr int kPositionX = kRoad;
constexpr int kPositionY = 14;
// East of the road there, the stairs down to the cellar, where the stairs up arrive in front of
// a signpost: a brick post with a sign on its north side.
constexpr int kStairsX = 12;
constexpr int kStairsY = 15;
// The south-east section is a town, which the town portal takes the player to.
constexpr int kTownX = 3;
constexpr int kTownY = 3;

const char* const kLegend = R"(surface
floor base_grass
cell . floor=base_grass
cell = floor=base_sand
cell T floor=base_grass centre=base_tree
cell # floor=base_grass centre=base_brick
cell P floor=base_sand centre=base_position centre-id=1 centre-extra=1
cell D floor=base_grass centre=base_stairs centre-id=2
cell Q floor=base_grass centre=base_position centre-id=3 centre-extra=3
cell W floor=base_grass centre=base_brick wall-n=base_sign wall-n-id=4
cell R floor=base_sand centre=base_position centre-id=1
)";

const char* const kTitles[kBlock][kBlock] = {
    {"The north-west woods", "The north road", "The north-east woods"},
    {"The west road", "The crossroads", "The east road"},
    {"The south-west woods", "The south road", "Eastbrook"},
};

// The middle section's objects: the position, the stairs down (state 1) and the signpost.
const char* const kMiddleObjects = R"(object 1 base_surface
object 2 base_surfacestairs state=1 text-a=base_cellarfoot text-b=base_stairsdown
object 3 base_stairtop
object 4 base_signpost text-b=base_signpost
)";

// The same scatter of trees on every run, different in each section.
bool isTree(int sx, int sy, int x, int y) {
    uint32_t h = uint32_t(x + 31 * y + 977 * sx + 7919 * sy) * 2654435761u;
    h ^= h >> 16;
    return h % 13 == 0;
}

// A ruin of four walls with a gap in the south one, its top left corner somewhere in the quarter
// away from the roads that the section's place gives. Nothing grows inside it or in front of its
// gap.
struct SRuin {
    int left, top, right, bottom;

    SRuin(int sx, int sy)
        : left(sx == kMiddle ? 13 : 3 + 2 * sx),
          top(sy == kMiddle ? 3 : 2 + 2 * sy),
          right(left + 4),
          bottom(top + 3) {}
    bool Covers(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom + 1; }
    bool IsWall(int x, int y) const {
        if (!Covers(x, y) || y > bottom) return false;
        const bool edge = x == left || x == right || y == top || y == bottom;
        const bool gap = y == bottom && x == left + 2;
        return edge && !gap;
    }
};

char cellAt(int sx, int sy, int x, int y) {
    const bool road = (sy == kMiddle && y == kRoad) || (sx == kMiddle && x == kRoad);
    if (sx == kMiddle && sy == kMiddle) {
        if (x == kPositionX && y == kPositionY) return 'P';
        if (x == kStairsX && y >= kStairsY && y <= kStairsY + 2) return "DQW"[y - kStairsY];
    }
    if (sx == kTownX && sy == kTownY && x == kRoad && y == kRoad) return 'R';
    if (road) return '=';
    const SRuin ruin(sx, sy);
    if (ruin.IsWall(x, y)) return '#';
    return !ruin.Covers(x, y) && isTree(sx, sy, x, y) ? 'T' : '.';
}

std::string sectionLevel(int sx, int sy) {
    std::string level = kLegend;
    const bool town = sx == kTownX && sy == kTownY;
    // A town's flag beside the surface's.
    if (town) level += "flags 0x280\n";
    level += "cells 0 0\n";
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) level += cellAt(sx, sy, x, y);
        level += '\n';
    }
    level += "end\n";
    if (sx == kMiddle && sy == kMiddle) level += kMiddleObjects;
    // The town portal arrives at the position named by the section and "townportal".
    if (town) level += "object 1 base_s0303townportal\n";
    return level;
}

}  // namespace

std::vector<SSampleMap> SampleSurfaceSections() {
    std::vector<SSampleMap> sections;
    for (int sy = 1; sy <= kBlock; ++sy) {
        for (int sx = 1; sx <= kBlock; ++sx) {
            char name[32];
            std::snprintf(name, sizeof name, "base_s%02d%02d", sx, sy);
            sections.push_back({name, kTitles[sy - 1][sx - 1], sectionLevel(sx, sy)});
        }
    }
    return sections;
}
