// Resting: what forbids it, and eight hours of sleep that heal and restore mana, by half when the
// rain fell on the sleeper.
#include <algorithm>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "game/game_data.h"
#include "screens/play/map_flags.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint32_t kRestHours = 8;

}  // namespace

void SStateGame::TryRest() {
    if (IsBusy() || m_currentMap == nullptr) return;
    const SPlayer& player = m_game->m_player;
    if ((m_currentMap->Flags() & map_flags::kNoRest) != 0) return refuse("You cannot rest here.");
    if (AnyHostileNear()) return refuse("There are monsters around - you cannot rest here.");
    if (player.PoisonTotal() != 0) return refuse("You're poisoned - resting would be lethal.");
    if (!player.HasFoodAndWater())
        return refuse(player.IsUndead() ? "You need food and water to rest.\rAs an undead, you can eat rotten food and "
                                          "drink even contaminated water."
                                        : "You need food and water to rest.\rRotten food and contaminated water "
                                          "don't apply.");
    AskRest();
}

void SStateGame::StartRest() {
    SPlayer& player = m_game->m_player;
    const bool rainedAtStart = OnSurface() && m_rain.intensity > 0;
    OpenRestDialog();
    PassHours(kRestHours);
    player.ConsumeFoodAndWater();
    UpdateSkyAndFog(false);
    const bool rained = OnSurface() && (rainedAtStart || m_rain.intensity > 0);
    if (rained) {
        // Half of what is missing; a current value above the maximum (a fortify that ran out) stays
        // within it rather than wrapping.
        const int32_t maxHp = player.GetMaxHp(), maxMana = player.GetMaxMana();
        player.SetHp(std::clamp(player.Hp() + std::max(0, (maxHp - player.Hp()) / 2), 0, std::max(maxHp, 0)), false);
        player.SetMana(std::clamp(player.Mana() + (maxMana - player.Mana()) / 2, 0, std::max(maxMana, 0)), false);
    } else {
        player.SetFullHp(false);
        player.RestoreFullMana(false);
    }
    m_rest.SetRainFlag(rained ? 1 : 0);
    refreshBars();
}
