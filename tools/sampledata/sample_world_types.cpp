#include "tools/sampledata/sample_world_types.h"

#include <initializer_list>
#include <memory>

#include "data/map_objects/map_object_type_table.h"
#include "data/monsters/monster_table.h"
#include "engine/base/archive.h"
#include "tools/sampledata/level_writer.h"
#include "tools/sampledata/sample_afflictions.h"
#include "tools/sampledata/sample_ambient_places.h"
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/sample_merchant_places.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_village.h"

namespace {

// Placement steps of 0 to 32 across and up a face; 16 is the middle.
constexpr int16_t kMiddle = 16;
constexpr int16_t kEyeHeight = 12;
// The step out from the face of a picture that stands in front of it: 0 puts its edge on the wall.
constexpr int16_t kAgainstWall = 0;

struct SSampleType {
    const char* name;
    int code;
    std::initializer_list<const char*> pictures;
    uint16_t flags = 0;
    int16_t placeA = 0;
    int16_t placeB = 0;
    int16_t heightStep = 0;
};

const SSampleType kTypes[] = {
    {"base_stone", 1, {"bres_stone"}},
    {"base_grass", 1, {"bres_grass"}},
    {"base_sand", 1, {"bres_sand"}},
    {"base_ceiling", 1, {"bres_ceiling"}},
    {"base_brick", 5, {"bres_brick"}},
    // The frame, then the frame again where a door has its second picture, and the doorway seen
    // from inside it.
    {"base_door", 20, {"bres_doorframe", "bres_doorframe", "bres_doorframe"}},
    // A door's leaf is the cell's upper part: a type of no behaviour of its own.
    {"base_doorleaf", 2, {"bres_doorleaf"}},
    // The still picture, no frames (pictures 1 to 7) and the oblique view as picture 8.
    {"base_banner", 9, {"bres_banner", "", "", "", "", "", "", "", "bres_banner-side"}, 0, kMiddle, 0, kEyeHeight},
    // Signs stand against their wall, across the middle of it.
    {"base_sign", 18, {"bres_sign"}, 0, kMiddle, kAgainstWall},
    {"base_innsign", 18, {"bres_innsign"}, 0, kMiddle, kAgainstWall},
    {"base_tree", 26, {"bres_tree"}, SMapObjectType::kSolid},
    // The cellar's glowing plate, and the stairs between the cellar and the surface (an arch, the
    // steps up and the steps down), which the player uses by walking into them.
    {"base_plate", 25, {"bres_gate"}},
    {"base_stairs", 33, {"bres_doorframe", "bres_stairs-up", "bres_stairs-down"}, SMapObjectType::kLeadsSomewhere},
    {"base_position", 39, {}},
};

// The grounds' footsteps for shod feet, the first and the second of a cell: hard stone, soft earth.
struct SGroundSteps {
    const char* ground;
    const char* first;
    const char* second;
};

const SGroundSteps kGroundSteps[] = {
    {"base_stone", "bsnd_stepstone-1", "bsnd_stepstone-2"},
    {"base_grass", "bsnd_stepearth-1", "bsnd_stepearth-2"},
    {"base_sand", "bsnd_stepearth-1", "bsnd_stepearth-2"},
};

void addMapObjectTypes(SSamplePackage& world) {
    SMapObjectTypeTable types;
    for (const SSampleType& sample : kTypes) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(sample.code);
        type->m_name.Set(sample.name);
        for (const char* picture : sample.pictures) type->m_pictureNames.Append(picture);
        type->m_flags |= sample.flags;
        type->m_placeA = sample.placeA;
        type->m_placeB = sample.placeB;
        type->m_place[3] = sample.heightStep;
        types.Add(std::move(type));
    }
    for (const SGroundSteps& steps : kGroundSteps) {
        SMapObjectType& ground = *types.Find(steps.ground);
        ground.m_param1 = steps.first;
        ground.m_param3 = steps.second;
    }
    AddAmbientTypes(types);
    AddDungeonTypes(types);
    AddSampleCounterType(types, world);
    world.tables[SModuleTable::MapObjectTypes] =
        WriteOneRecord([&](SArchive& archive) { types.Write(archive, world.version); });
}

void addMonsters(SSamplePackage& world) {
    SMonsterTable monsters;
    auto goblin = std::make_unique<SMonsterBaseType>();
    goblin->m_name.Set("base_goblin");
    // Standing, two steps, winding up, striking, hurt and the picture people show from the front.
    for (const char* picture : {"bres_goblin", "bres_goblin", "bres_goblin", "bres_goblin-raised", "bres_goblin-raised",
                                "bres_goblin", "bres_goblin"})
        goblin->m_pictureNames.Append(picture);
    auto caveGoblin = std::make_unique<SMonster>();
    caveGoblin->m_name.Set("base_cavegoblin");
    caveGoblin->m_baseType = goblin.get();
    caveGoblin->m_displayName.Assign("Cave goblin");
    caveGoblin->m_stats = {1, 4, 2, 12, 15, 8, 10, 8, 4, 0};
    GiveAfflictingBite(*caveGoblin);
    monsters.Add(std::move(goblin));
    monsters.Add(std::move(caveGoblin));
    AddVillageMonsters(monsters);
    AddDungeonMonsters(monsters, *monsters.FindBaseType("base_goblin"));
    SWrittenItemNames loot(world.names);
    AppendRecord(world.tables[SModuleTable::Monsters],
                 [&](SArchive& archive) { monsters.WriteBaseTypes(archive, world.version); });
    AppendRecord(world.tables[SModuleTable::Monsters],
                 [&](SArchive& archive) { monsters.WriteMonsters(archive, world.version, loot); });
}

}  // namespace

void AddSampleWorldTypes(SSamplePackage& world) {
    addMapObjectTypes(world);
    addMonsters(world);
}
