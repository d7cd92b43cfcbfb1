// The play screen as the monster rules see it: where the player stands, sounds by distance, and
// the creatures' part of the grid. The monsters' turns, missiles, spells and talk wait for the
// play screen's monster turns and answer nothing until then.
#include <cstdlib>

#include "data/maps/map.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kLoudest = 10;

}  // namespace

bool SStateGame::OnSurface() const { return m_currentMap != nullptr && m_currentMap->IsSurface(); }

int SStateGame::SoundVolumeAt(int x, int y) const {
    const int distance = std::abs(x - m_playerX) + std::abs(y - m_playerY);
    return std::clamp(kLoudest - distance, 1, kLoudest);
}

void SStateGame::PlaySound(const char* name, int volume) { m_game->PlaySound(name, volume); }

int SStateGame::RemoveActingMonster(const SCreature& creature) {
    const auto erased = std::erase(m_actingMonsters, &creature);
    return erased != 0 ? 0 : -1;
}

std::optional<SMonsterContext> SStateGame::monsterContext(SMap& map) {
    if (m_grid == nullptr || m_game == nullptr || m_game->m_random == nullptr) return std::nullopt;
    return SMonsterContext{map,
                           *m_grid,
                           *this,
                           m_game->m_player,
                           *m_game->m_random,
                           m_game->m_spells,
                           m_game->m_items,
                           m_game->m_diseases};
}

bool SStateGame::WarnsOfPeacefulTargets() const { return false; }
bool SStateGame::ChoseAreaAttack(const SCreature&) const { return false; }
const char* SStateGame::PendingAttackSound(int) const { return nullptr; }
void SStateGame::LaunchMissile(SMap&, SCreature&, const SFpsItem&, uint16_t) {}
void SStateGame::CastMonsterSpell(SMap&, SCreature&, const SSpellType&, int) {}
void SStateGame::ShowCreatureInfo(SMap&, SCreature&) {}
void SStateGame::MarkPictureInUse(uint16_t, uint8_t) {}
