#include "data/package/module_load_order.h"

namespace {

SModuleStep table(SModuleTable t) { return {true, t, SNameIndex::MapObjectTypes}; }
SModuleStep nameIndex(SNameIndex index) { return {false, SModuleTable::Abilities, index}; }

}  // namespace

std::vector<SModuleStep> ModuleLoadOrder(int dataVersion) {
    using T = SModuleTable;
    const bool beside = dataVersion >= kNameIndexesBesideTables;
    std::vector<SModuleStep> order{table(T::Abilities), table(T::Recipes), table(T::Diseases),
                                   table(T::Globals),   table(T::Items),   table(T::MapObjectTypes)};
    // Newer packages give the type, item and palette names right after the types they index, and the
    // monster names after the monsters; older ones give all four after the last table.
    if (beside)
        for (SNameIndex index : {SNameIndex::MapObjectTypes, SNameIndex::ItemTypes, SNameIndex::Palettes})
            order.push_back(nameIndex(index));
    order.push_back(table(T::Monsters));
    if (beside) order.push_back(nameIndex(SNameIndex::Monsters));
    for (T t : {T::Dialogue, T::Faces, T::NpcTypes, T::Quests, T::Scenes, T::Skies, T::Scripts, T::Sounds,
                T::SpellEffects, T::Spells, T::Interiors, T::Races, T::Skills, T::Attributes})
        order.push_back(table(t));
    if (!beside)
        for (SNameIndex index :
             {SNameIndex::MapObjectTypes, SNameIndex::ItemTypes, SNameIndex::Monsters, SNameIndex::Palettes})
            order.push_back(nameIndex(index));
    return order;
}

const char* TableName(SModuleTable table) {
    static const char* const kNames[kModuleTableCount] = {
        "the ability table",      "the alchemy recipe table", "the disease table",
        "the script globals",     "the item database",        "the map-object type table",
        "the monster table",      "the dialogue table",       "the face table",
        "the person type table",  "the quest table",          "the scene table",
        "the sky table",          "the named script table",   "the sound and music table",
        "the spell effect table", "the spell table",          "the interior table",
        "the race table",         "the skill table",          "the attribute table",
    };
    return kNames[int(table)];
}
