#pragma once
// The dungeon below the cellar: a long hall reached by stairs from the cellar's east wall, where a
// brute waits to fight hand to hand, an archer shoots down the hall and a goblin shaman casts from
// the far end. Each drops loot of its level when it dies.
#include "tools/sampledata/sample_package.h"

class SMonsterBaseType;
class SMonsterTable;

SSampleMap SampleDungeon();
// The dungeon's three monsters, drawn with the goblin's pictures; the archer's kind shoots the
// arrow sprite.
void AddDungeonMonsters(SMonsterTable& monsters, const SMonsterBaseType& goblin);
