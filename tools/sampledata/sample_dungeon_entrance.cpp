// The dungeon's places on the surface: the stairs down inside the ruin of the north-west woods, with
// the place in front of them where the stairs up arrive, and the lawn in Eastbrook's north-west
// quarter, away from the counters, where the dungeon's plate lands the player.
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr const char* kWoods = "base_s0101";
constexpr const char* kTown = "base_s0303";

// Inside the ruin, whose gap opens south: the stairs against its north wall, the arrival in front
// of them looking out through the gap.
constexpr int kStairsX = 7;
constexpr int kStairsY = 5;
const char* const kStairs = "cell u floor=base_grass centre=base_stairs centre-id=60";
const char* const kWoodsFoot = "cell v floor=base_grass centre=base_position centre-id=61 centre-extra=3";
const char* const kWoodsObjects =
    R"(object 60 base_woodsentrance state=1 text-a=base_dungeonwoodsfoot text-b=base_woodsdown
object 61 base_woodsfoot
)";

constexpr int kArrivalX = 4;
constexpr int kArrivalY = 3;
const char* const kArrival = "cell w floor=base_grass centre=base_position centre-id=60 centre-extra=3";

}  // namespace

void AddDungeonEntrance(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps) {
        if (map.name == kWoods) {
            PlaceSectionCell(map.level, kStairs, kStairsX, kStairsY);
            PlaceSectionCell(map.level, kWoodsFoot, kStairsX, kStairsY + 1);
            map.level += kWoodsObjects;
        } else if (map.name == kTown) {
            PlaceSectionCell(map.level, kArrival, kArrivalX, kArrivalY);
            map.level += std::string("object 60 ") + kEastbrookArrival + "\n";
        }
    }
}
