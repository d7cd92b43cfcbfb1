#pragma once
// The order in which a data package's records follow one another after its resource index: one
// chunk per type table, the name-index records between them or at the end (by data version), and
// last the maps record. The loader and the package writers both follow it.
#include <cstdint>
#include <vector>

enum class SModuleTable : uint8_t {
    Abilities,
    Recipes,
    Diseases,
    Globals,
    Items,
    MapObjectTypes,
    Monsters,
    Dialogue,
    Faces,
    NpcTypes,
    Quests,
    Scenes,
    Skies,
    Scripts,
    Sounds,
    SpellEffects,
    Spells,
    Interiors,
    Races,
    Skills,
    Attributes,
};
constexpr int kModuleTableCount = int(SModuleTable::Attributes) + 1;

// The four tables that turn the small indexes inside map data into pointers, by the tag byte of
// their records.
enum class SNameIndex : uint8_t { MapObjectTypes = 'C', ItemTypes = 'D', Monsters = 'E', Palettes = 'F' };

// One step of the load: a type table, or a name-index record.
struct SModuleStep {
    bool isTable;
    SModuleTable table;
    SNameIndex nameIndex;
};

// Packages from this data version on read the name indexes beside the tables they point into.
constexpr int kNameIndexesBesideTables = 72;

std::vector<SModuleStep> ModuleLoadOrder(int dataVersion);
// "the spell table" and the like, for messages.
const char* TableName(SModuleTable table);
