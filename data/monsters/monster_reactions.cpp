#include "data/monsters/monster_reactions.h"

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player.h"

namespace {

constexpr int32_t kCrimeOfAttack = 5;
constexpr int32_t kFameOfAttack = -5;

}  // namespace

bool LooksPeaceful(const SMonster& monster, const SMap& map, const SCreature& creature) {
    if (creature.IsHostile()) return false;
    return map.FindObject(creature.ownerId) != nullptr || !monster.m_talkText.IsEmpty();
}

void PunishAttackOnPeople(SMonsterContext& context) {
    context.screen.ShowMessageBox("You've tried to attack peaceful people!");
    context.player.AddCrime(kCrimeOfAttack);
    context.player.AddFame(kFameOfAttack);
}

void WarnOfPeacefulCreature(SMonsterContext& context) {
    context.screen.ShowMessageBox(
        "You shouldn't attack this monster - it looks peaceful, maybe it has something to say or do for you.");
}
