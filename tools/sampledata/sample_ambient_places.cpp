#include "tools/sampledata/sample_ambient_places.h"

#include <string>

#include "data/map_objects/map_object_type_table.h"
#include "data/map_objects/passages/map_object_ambient_sound.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr const char* kMiddleSection = "base_s0202";

// A block (code 7) that blocks nothing and shows nothing gives off its sound for as long as it
// stands; a place of voices (code 43) sings now and then.
struct SSoundingType {
    const char* name;
    int code;
    const char* sound;
    uint16_t flags;
};
const SSoundingType kSoundingTypes[] = {
    {"base_fountain", 7, "bsnd_fountain", 0},
    {"base_drip", 7, "bsnd_drip", 0},
    {"base_birds", 43, "bsnd_birds", SMapObjectAmbientSound::kByDay},
};

const char* const kCave = R"(
fog 0x0000
view 60
floor base_stone
ceiling base_ceiling
cell # centre=base_brick shadow-floor=base_brick shadow-centre=base_brick
cell . floor=base_stone
cell d floor=base_stone centre=base_drip
cell P floor=base_stone centre=base_position centre-id=1 centre-extra=1
cells 14 12
#######
#..d..#
#.....#
#..P..#
#d....#
#######
end
object 1 base_cave
; A goblin lives in the cave and wants no company: nobody rests here.
creature base_cavegoblin 18 13 state=0x4 hp=12
)";

}  // namespace

void AddAmbientTypes(SMapObjectTypeTable& types) {
    for (const SSoundingType& sample : kSoundingTypes) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(sample.code);
        type->m_name.Set(sample.name);
        type->m_param2 = sample.sound;
        type->m_flags |= sample.flags;
        types.Add(std::move(type));
    }
}

void AddAmbientPlaces(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps) {
        if (map.name != kMiddleSection) continue;
        PlaceSectionCell(map.level, "cell F floor=base_grass centre=base_fountain", kFountainX, kFountainY);
        PlaceSectionCell(map.level, "cell V floor=base_grass centre=base_birds", kBirdsX, kBirdsY);
    }
    maps.push_back({"base_cave", "The dripping cave", kCave});
}
