// The play screen as the monster rules see it: where the player stands, sounds by distance, the
// creatures' part of the grid, and the missiles and spells a monster's attack starts.
#include <cstdlib>

#include "data/items/fps_item.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/creature_pose.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

bool SStateGame::OnSurface() const { return m_currentMap != nullptr && m_currentMap->IsSurface(); }

int SStateGame::SoundVolumeAt(int x, int y) const {
    const int distance = std::abs(x - m_playerX) + std::abs(y - m_playerY);
    return std::clamp(kLoudestVolume - distance, 1, kLoudestVolume);
}

void SStateGame::PlaySound(const char* name, int volume) { m_game->PlaySound(name, volume); }

std::optional<SMonsterContext> SStateGame::monsterContext(SMap& map) {
    if (m_grid == nullptr || m_game == nullptr || m_game->m_random == nullptr) return std::nullopt;
    return SMonsterContext{map,
                           *m_grid,
                           *this,
                           m_game->m_player,
                           *m_game->m_random,
                           m_game->m_spells,
                           m_game->m_items,
                           m_game->m_diseases,
                           m_hitValues};
}

bool SStateGame::WarnsOfPeacefulTargets() const { return m_warnOfPeaceful; }

bool SStateGame::locateCreature(const SMap& map, const SCreature& creature, int& x, int& y) const {
    return m_grid != nullptr && m_grid->MapToGrid(map, creature.x, creature.y, x, y);
}

bool SStateGame::ChoseAreaAttack(const SCreature& creature) const {
    for (SMap* map : m_sectionMaps) {
        int x = 0, y = 0;
        if (map != nullptr && map->FindCreature(creature.id) == &creature && locateCreature(*map, creature, x, y))
            return x != m_playerX && y != m_playerY;
    }
    int x = 0, y = 0;
    if (m_currentMap != nullptr && locateCreature(*m_currentMap, creature, x, y))
        return x != m_playerX && y != m_playerY;
    return false;
}

const char* SStateGame::PendingAttackSound(int side) const {
    const SCombatAnim* raise = FindPendingAttack(side);
    if (raise == nullptr) return nullptr;
    return raise->picture != nullptr && !raise->picture->m_soundName.IsEmpty() ? raise->picture->m_soundName.Text()
                                                                               : "";
}

void SStateGame::LaunchMissile(SMap& map, SCreature& creature, const SFpsItem& missile, uint16_t paletteSlot) {
    int x = 0, y = 0;
    if (!locateCreature(map, creature, x, y)) return;
    QueueMonsterAttackAnim(x, y, attackSide(creature, x, y), map, creature, missile, paletteSlot);
}

void SStateGame::CastMonsterSpell(SMap& map, SCreature& creature, const SSpellType& spell, int chance) {
    int x = 0, y = 0;
    if (!locateCreature(map, creature, x, y)) return;
    QueueMonsterSpell(x, y, attackSide(creature, x, y), spell, chance, false, creature, map);
}

// Off the player's lines a creature shoots the way its turn made it face.
int SStateGame::attackSide(const SCreature& creature, int x, int y) const {
    if (x != m_playerX && y != m_playerY) return FacingSideOf(creature);
    if (x != m_playerX) return x > m_playerX ? 3 : 1;
    return y > m_playerY ? 0 : 2;
}
void SStateGame::ShowCreatureInfo(SMap&, SCreature&) {}
void SStateGame::MarkPictureInUse(uint16_t slot, uint8_t mark) {
    // Slot 0 is no picture.
    if (slot == 0) return;
    if (slot >= m_pictureUseMarks.size()) m_pictureUseMarks.resize(size_t(slot) + 1);
    m_pictureUseMarks[slot] = mark;
}

uint8_t SStateGame::PictureUseMark(uint16_t slot) const {
    return slot < m_pictureUseMarks.size() ? m_pictureUseMarks[slot] : 0;
}
