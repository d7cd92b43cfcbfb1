#include "tools/sampledata/sample_merchant_places.h"

#include <string>

#include "data/map_objects/map_object_type_table.h"
#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr const char* kTown = "base_s0303";
constexpr int kPathX = 12;
constexpr int kCounterX = 13;

// Letters 'a' to 'e' and 'j' of the town's legend: the path and the three counters, the buildings
// behind them, and the inn's sign on the wall north of its counter.
const char* const kLegend = R"(cell a floor=base_sand
cell b floor=base_sand centre=base_brick wall-w=base_counter wall-w-id=11
cell c floor=base_sand centre=base_brick wall-w=base_counter wall-w-id=12
cell d floor=base_sand centre=base_brick wall-w=base_counter wall-w-id=13
cell e floor=base_grass centre=base_brick
cell j floor=base_grass centre=base_brick wall-w=base_innsign)";

// Tobin and the card player keep their stock in a container that lies nowhere on the map.
const char* const kObjects = R"(object 11 base_counter text-a=base_tobin container=1
object 12 base_counter text-a=base_hale
object 13 base_counter text-a=base_cardplayer container=2
container 1 255 0
container 2 255 0
)";

struct SCounter {
    int y;
    char cell;
};
constexpr int kInnY = 15;
constexpr SCounter kCounters[] = {{13, 'b'}, {kInnY, 'c'}, {17, 'd'}};

void place(std::string& level) {
    AddSectionLegend(level, kLegend);
    // The path leaves the east road south of the crossing and runs down past the counters.
    for (int y = 11; y <= 19; ++y) SetSectionCell(level, kPathX, y, 'a');
    for (int y = 12; y <= 18; ++y)
        for (int x = kCounterX; x <= 16; ++x) SetSectionCell(level, x, y, 'e');
    for (const SCounter& counter : kCounters) SetSectionCell(level, kCounterX, counter.y, counter.cell);
    SetSectionCell(level, kCounterX, kInnY - 1, 'j');
    level += kObjects;
}

}  // namespace

void AddSampleCounterType(SMapObjectTypeTable& types, SSamplePackage& world) {
    std::unique_ptr<SMapObjectType> type = types.CreateType(12);
    type->m_name.Set(kSampleCounterType);
    type->m_pictureNames.Append("bres_counter");
    // Across the middle of the wall, against it.
    type->m_placeA = 16;
    type->m_placeB = 0;
    types.Add(std::move(type));
    world.pictures.push_back({"bres_counter", interface_art::Portrait(4).Record()});
}

void PlaceSampleMerchants(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps)
        if (map.name == kTown) place(map.level);
}
