// The creatures' poses within 7 cells of the player: a pose runs out on the creature clock (a
// wound-up blow then strikes) and walking creatures show their next frame on the one-second clock.
#include <algorithm>

#include "data/maps/creature.h"
#include "data/maps/map_grid.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "game/game_data.h"
#include "render/view_descriptor.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kAnimatedReach = 7;
constexpr uint8_t kPoseBits = 0x1F;  // the flags and the facing; the motion and hit bits lie above
constexpr uint8_t kStrikeTime = 5;
constexpr int kCreaturesFrameShift = 8;
constexpr uint16_t kCreaturesFrameBits = 7 << kCreaturesFrameShift;
constexpr int kWalkFrames = 4;

}  // namespace

void SStateGame::AnimateCreatures(bool countDown, bool advance) {
    if (m_grid == nullptr) return;
    const int left = std::max(0, m_playerX - kAnimatedReach),
              right = std::min(kGridSize - 1, m_playerX + kAnimatedReach);
    const int top = std::max(0, m_playerY - kAnimatedReach),
              bottom = std::min(kGridSize - 1, m_playerY + kAnimatedReach);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            for (int slot = 0; slot < 2; ++slot) {
                SCreature* creature = creatureInSlot(x, y, slot);
                SItemPileRecord* sprite = creature ? m_grid->CreatureSprite(*creature) : nullptr;
                if (sprite != nullptr) animateCreature(*GetZoneMap(x, y), *creature, *sprite, countDown, advance);
            }
        }
    }
}

void SStateGame::animateCreature(SMap& map, SCreature& creature, SItemPileRecord& sprite, bool countDown,
                                 bool advance) {
    bool posing = false, strikes = false;
    if (countDown && creature.displayTimer > 0) {
        posing = true;
        if (--creature.displayTimer == 0) {
            // A wound-up blow lands: the creature shows its strike for a while, then stands again.
            strikes = (creature.state & SCreature::kMotion) == kWindingUp;
            creature.state &= kPoseBits;
            if (strikes) {
                creature.state |= kStriking;
                creature.displayTimer = kStrikeTime;
            }
            sprite.m_markerPercent = 0;
        }
    }
    if (advance && !posing && !creature.IsPerson()) {
        const int frame = ((sprite.m_flags & kCreaturesFrameBits) >> kCreaturesFrameShift) + 1;
        sprite.m_flags =
            uint16_t((sprite.m_flags & ~kCreaturesFrameBits) | ((frame % kWalkFrames) << kCreaturesFrameShift));
    }
    SMonsterScreen* screen = MonsterScreen();
    if (creature.monster == nullptr || screen == nullptr || !m_game->m_random) return;
    SMonsterContext context{map,
                            *m_grid,
                            *screen,
                            m_game->m_player,
                            *m_game->m_random,
                            m_game->m_spells,
                            m_game->m_items,
                            m_game->m_diseases};
    if (strikes) creature.monster->Attack(context, creature);
    creature.monster->SelectSprite(context, creature, sprite);
}
