#pragma once
// SMonsterContext: what the monster rules act on besides the monster and its creature: the map, the
// play screen's grid and services, the player, the tables they look up, the game's generator and the
// values of the event being handled.
#include <cstdint>

#include "data/effects/disease.h"

class SItem;
class SItemDatabase;
class SMap;
class SMapGrid;
class SMonsterScreen;
class SPlayer;
class SRandom;
class SSpellTable;

// What the script engine's event context holds for a blow or a spell.
struct SMonsterEventValues {
    int32_t damage = 0;
    // The player's weapon items that dealt the blow; null where none.
    SItem* weapons[2] = {nullptr, nullptr};
    const char* spell = nullptr;
    int32_t spellLevel = 0;
};

struct SMonsterContext {
    SMap& map;
    SMapGrid& grid;
    SMonsterScreen& screen;
    SPlayer& player;
    SRandom& random;
    const SSpellTable& spells;
    const SItemDatabase& items;
    const SDiseaseTable& diseases;
    SMonsterEventValues event{};
};
