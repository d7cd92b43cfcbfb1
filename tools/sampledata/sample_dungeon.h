#pragma once
// The dungeon below the cellar: a long hall reached by stairs from the cellar's east wall and from a
// ruin in the north-west woods, where a brute waits to fight hand to hand and carries the key of
// the iron door; behind a plain door a goblin archer with poisoned arrows guards a chest; the iron
// door, then a trapped door that gives the cave fever, then a lever that opens a gate lead to the
// deepest room, where a goblin shaman casts and a chest waits for the village's quest item. A plate
// there takes the player back to Eastbrook. Each monster drops loot of its level when it dies.
#include <vector>

#include "tools/sampledata/sample_package.h"

class SItemDatabase;
class SMapObjectTypeTable;
class SMonsterBaseType;
class SMonsterTable;
class SScriptTable;

SSampleMap SampleDungeon();
// The dungeon's three monsters, drawn with the goblin's pictures; the archer's kind shoots the
// arrow sprite.
void AddDungeonMonsters(SMonsterTable& monsters, const SMonsterBaseType& goblin);
// The iron door's key.
void AddDungeonItems(SItemDatabase& items);

// The dungeon's own map-object types (sample_dungeon_objects.cpp): the trapped door, the lever, the
// gate's bars and the chests; their pictures; the scripts of the lever and of the stairs to the
// woods.
void AddDungeonTypes(SMapObjectTypeTable& types);
void AddDungeonPictures(SSamplePackage& resources);
void AddDungeonScripts(SScriptTable& scripts);

// The surface's part (sample_dungeon_entrance.cpp): the stairs down in the ruin of the north-west
// woods, and the place in Eastbrook where the plate lands the player.
void AddDungeonEntrance(std::vector<SSampleMap>& maps);

// What tests and the village's quest refer to.
constexpr const char* kDungeonMap = "base_dungeon";
constexpr const char* kDungeonKey = "base_key_irondoor";
// The chest of the deepest room, which holds the village quest's item; its container lies nowhere.
constexpr int kDeepChestContainer = 3;
// The position in Eastbrook where the plate lands the player.
constexpr const char* kEastbrookArrival = "base_eastbrookarrival";
