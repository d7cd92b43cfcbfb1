// Stealing from a townsperson: the question with the chance in words, and the try. A person of
// goods loses a random piece of them; a caught thief is a criminal, less famous, and watched.
#include "data/items/item.h"
#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "data/player/player.h"
#include "engine/base/random.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_message.h"

namespace {

constexpr uint32_t kStealth = 20;
constexpr int kStealingNearReach = 2;
constexpr int kFullChance = 100;
constexpr int kUnskilledChance = 60;
constexpr int kWatcherPenalty = 5;
constexpr int32_t kCaughtCrime = 2;
constexpr int32_t kCaughtFame = -2;

const char* chanceWord(int chance) {
    if (chance >= 91) return "very good";
    if (chance >= 71) return "good";
    if (chance >= 41) return "average";
    return "slight";
}

}  // namespace

int SStateGame::CountPersonsNear() const {
    int count = 0;
    for (int y = m_playerY - kStealingNearReach; y <= m_playerY + kStealingNearReach; ++y)
        for (int x = m_playerX - kStealingNearReach; x <= m_playerX + kStealingNearReach; ++x)
            for (int slot = 0; slot < 2; ++slot) {
                const SCreature* creature = creatureInSlot(x, y, slot);
                if (creature != nullptr && creature->IsPerson() && creatureShows(x, y, *creature)) ++count;
            }
    return count;
}

SCreature* SStateGame::stealTargetCreature() const {
    return m_stealTarget.map != nullptr ? m_stealTarget.map->FindCreature(m_stealTarget.id) : nullptr;
}

int SStateGame::StealChance(int peopleAround) const {
    const SPlayer& player = m_game->m_player;
    const SCreature* person = stealTargetCreature();
    const SMonster* monster = person != nullptr ? person->monster : nullptr;
    const int difficulty = monster != nullptr ? monster->StealDifficulty() : 0;
    const int skill = player.SkillValue(kStealth) + player.FortifySkillTotal(kStealth);
    return (skill < difficulty ? kUnskilledChance : kFullChance) - kWatcherPenalty * peopleAround;
}

void SStateGame::AskSteal(SMap& map, SCreature& creature) {
    m_stealTarget = {&map, creature.id, 0};
    const int around = CountPersonsNear();
    m_stealTarget.chance = StealChance(around);
    SString text;
    if (around > 1) text.Assign("There are people around.\r");
    text.AppendFormat("Do you try to steal (chance: %s)?", chanceWord(m_stealTarget.chance));
    ask(text.Text(), SDialogMessage::kYes | SDialogMessage::kNo, SPlaySubMode::kStealQuestion);
}

void SStateGame::AnswerStealQuestion(uint32_t answer) {
    if (answer == SDialogMessage::kYes)
        Steal();
    else if (SCreature* person = stealTargetCreature())
        TurnPersonToPlayer(*person);
    m_stealTarget = {};
}

void SStateGame::Steal() {
    SPlayer& player = m_game->m_player;
    SCreature* person = stealTargetCreature();
    if (person == nullptr || !m_game->m_random) return;
    player.CountSkillUse(kStealth);
    SRandom& random = *m_game->m_random;
    if (random.Next(100) >= m_stealTarget.chance) {
        QueueMessage("You failed!", SDialogMessage::kOk, nullptr);
        player.AddCrime(kCaughtCrime);
        player.AddFame(kCaughtFame);
        TurnPersonToPlayer(*person);
        return;
    }
    SItemList* goods = person->containerId != 0 ? m_stealTarget.map->FindContainer(person->containerId) : nullptr;
    if (goods == nullptr || goods->Count() == 0) {
        QueueMessage("There's nothing to steal!", SDialogMessage::kOk, nullptr);
        return;
    }
    std::unique_ptr<SItem> item = goods->Take(goods->At(random.Next(goods->Count())));
    SString text;
    text.Format("You have stolen %s.", item->m_type->m_displayName.Text() ? item->m_type->m_displayName.Text() : "");
    player.AddOwnedItem(std::move(item));
    QueueMessage(text.Text(), SDialogMessage::kOk, nullptr);
}
