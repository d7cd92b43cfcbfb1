// The commands that change a map of the world: its fog, and the creatures that scripts make and
// remove. New creatures show on the play screen's grid at once rather than after the next visit.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/monster_screen.h"
#include "data/monsters/monster_table.h"
#include "data/package/module.h"
#include "data/package/module_list.h"
#include "data/player/player_world.h"
#include "engine/base/small_services.h"
#include "engine/draw/picture.h"
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_play_screen.h"

namespace {

constexpr int32_t kFarthestFog = 100;
constexpr size_t kColourDigits = 6;  // "RRGGBB"
// A surface section starts 7 cells into the play screen's grid.
constexpr int64_t kSectionOffset = 7;

// The RGB565 colour of six hexadecimal digits, red, green and blue; 0 for a text of another length.
uint16_t fogColourOf(const char* text) {
    if (text == nullptr || std::strlen(text) != kColourDigits) return 0;
    return MakeColor565(HexToByte(text), HexToByte(text + 2), HexToByte(text + 4));
}

// One cell towards the compass point that the text's first letter names (n, w, s or e, in either
// case); any other text points north.
struct SMapCommandsStep {
    int64_t dx;
    int64_t dy;
};
SMapCommandsStep stepTowards(const char* direction) {
    switch (std::tolower(uint8_t(direction ? direction[0] : 0))) {
        case 'w': return {-1, 0};
        case 's': return {0, 1};
        case 'e': return {1, 0};
        default: return {0, -1};
    }
}

// The cell of the map that the grid place shows; false when the grid shows none of the map there.
bool gridToMap(const SMapGrid& grid, const SMap& map, const SGridPlace& place, int& x, int& y) {
    for (y = 0; y < map.Height(); ++y) {
        for (x = 0; x < map.Width(); ++x) {
            int column = 0, row = 0;
            if (grid.MapToGrid(map, x, y, column, row) && column == place.x && row == place.y) return true;
        }
    }
    return false;
}

}  // namespace

bool SScriptContext::runMapCommand(uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                   const SScriptValue& arg3) {
    switch (id) {
        case kCommandSetMapFog:
            if (SMap* map = fogMap(arg1.Text())) {
                map->SetFog(uint16_t(std::clamp(arg2.Number(), 0, kFarthestFog)), fogColourOf(arg3.Text()));
                fogChanged(*map);
            }
            return true;
        case kCommandResetMapFog:
            if (SMap* map = fogMap(arg1.Text())) {
                map->ResetFog();
                fogChanged(*map);
            }
            return true;
        case kCommandCreateMonsterPos: createMonsterAt(arg1.Text(), arg2.Number(), arg3.Number()); return true;
        case kCommandCreateMonsterObj: createMonsterAtObject(arg1.Text(), arg2.Text()); return true;
        case kCommandCreateMonsterDir: createMonsterAhead(arg1.Text(), arg2.Text(), arg3.Number()); return true;
        case kCommandRemoveMonsterTypes: removeMonsters(arg1.Text()); return true;
        default: return false;
    }
}

SMap* SScriptContext::fogMap(const char* name) const {
    // The sky over the surface keeps its own fog.
    SMap* map = m_world.packages ? m_world.packages->FindMap(name) : nullptr;
    return map && !map->IsSurface() ? map : nullptr;
}

void SScriptContext::fogChanged(const SMap& map) {
    if (m_playScreen && m_playScreen->CurrentMap() == &map) m_playScreen->RefreshFog();
}

SMonster* SScriptContext::findMonster(const char* name) const {
    return m_world.monsters ? m_world.monsters->FindMonster(name) : nullptr;
}

void SScriptContext::createMonsterAt(const char* name, int32_t x, int32_t y) {
    SMap* map = m_playScreen ? m_playScreen->CurrentMap() : nullptr;
    SMonster* monster = findMonster(name);
    if (map && monster) addCreature(*map, *monster, x, y, true);
}

void SScriptContext::createMonsterAtObject(const char* name, const char* objectName) {
    // Objects keep no place of their own: the cell of the grid that shows the object gives it.
    SModule* world = m_playScreen ? m_playScreen->CurrentWorld() : nullptr;
    SMapGrid* grid = m_playScreen ? m_playScreen->Grid() : nullptr;
    SMonster* monster = findMonster(name);
    if (!world || !grid || !monster || m_playScreen->CurrentMap() == nullptr || objectName == nullptr) return;
    const SFoundObject found = world->FindObject(objectName);
    SGridPlace place;
    int x = 0, y = 0;
    if (found.object && m_playScreen->LocateObject(*found.map, *found.object, place) &&
        gridToMap(*grid, *found.map, place, x, y))
        addCreature(*found.map, *monster, x, y, false);
}

void SScriptContext::createMonsterAhead(const char* name, const char* direction, int32_t distance) {
    SMap* map = m_playScreen ? m_playScreen->CurrentMap() : nullptr;
    SPlayerWorld* player = m_playScreen ? m_playScreen->PlayerWorld() : nullptr;
    SMonster* monster = findMonster(name);
    if (!map || !player || !monster) return;
    const SMapCommandsStep step = stepTowards(direction);
    const int64_t offset = map->IsSurface() ? kSectionOffset : 0;
    addCreature(*map, *monster, player->PlayerGridX() + step.dx * distance - offset,
                player->PlayerGridY() + step.dy * distance - offset, true);
}

void SScriptContext::addCreature(SMap& map, SMonster& monster, int64_t x, int64_t y, bool scripted) {
    // A creature's place is a byte: a place off the map is refused, not wrapped onto it.
    if (x < 0 || y < 0 || x >= map.Width() || y >= map.Height()) return;
    SCreature* creature = scripted ? map.AddFlaggedCreature(&monster, uint8_t(x), uint8_t(y))
                                   : map.AddCreature(&monster, uint8_t(x), uint8_t(y));
    SMapGrid* grid = m_playScreen ? m_playScreen->Grid() : nullptr;
    if (creature == nullptr || grid == nullptr) return;
    grid->MarkMonsterInUse(monster);
    // The grid may put it into a neighbouring cell, which becomes its place.
    if (grid->PlaceCreatureNear(map, *creature, creature->x, creature->y)) queueCreatureCell(map, *creature);
}

void SScriptContext::removeMonsters(const char* name) {
    SMap* map = m_playScreen ? m_playScreen->CurrentMap() : nullptr;
    SMonster* monster = findMonster(name);
    if (!map || !monster) return;
    // Out of the grid's cells first, while the creatures still exist.
    if (SMonsterScreen* screen = m_playScreen->MonsterScreen()) {
        for (int i = 0; i < map->Creatures().Count(); ++i) {
            SCreature& creature = *map->Creatures()[i];
            if (creature.monster != monster || !(creature.state & SCreature::kScripted)) continue;
            screen->RemoveCreatureFromCell(*map, creature);
            queueCreatureCell(*map, creature);
        }
    }
    map->RemoveCreaturesOfType(monster);
}

void SScriptContext::queueCreatureCell(SMap& map, const SCreature& creature) {
    if (const std::optional<SGridPlace> place = gridPlaceOf(map, creature)) QueueCellEvent(&map, *place);
}
