// The player's quests: given, solved or failed, and dropped, each told with the quest's title.
#include "data/player/player.h"
#include "data/quest_table.h"

namespace {

constexpr uint8_t kSolved = 1;
constexpr uint8_t kFailed = 2;

}  // namespace

void SPlayer::AddQuest(const char* name) {
    const SQuest* quest = m_rules.quests ? m_rules.quests->Find(name) : nullptr;
    if (quest == nullptr || HasQuest(name)) return;
    auto entry = std::make_unique<SQuestEntry>();
    entry->name.Set(quest->name.Text());
    m_quests.Add(entry.release(), ListOrder::Appended);
    SString text;
    text.Format("You have a new quest: %s.", quest->title.Text());
    show(text.Text());
}

void SPlayer::EndQuest(const char* name, bool solved) {
    SQuestEntry* entry = FindQuest(name);
    if (entry == nullptr) return;
    entry->state = solved ? kSolved : kFailed;
    // A quest the world no longer has has no title to tell of.
    const SQuest* quest = m_rules.quests ? m_rules.quests->Find(name) : nullptr;
    if (quest == nullptr) return;
    SString text;
    text.Format(solved ? "The %s quest has been solved." : "The %s quest has failed.", quest->title.Text());
    show(text.Text());
}

void SPlayer::RemoveQuest(const char* name) {
    SQuestEntry* entry = FindQuest(name);
    if (entry == nullptr) return;
    m_quests.Remove(entry);
    delete entry;
    const SQuest* quest = m_rules.quests ? m_rules.quests->Find(name) : nullptr;
    if (quest == nullptr) return;
    SString text;
    text.Format("The %s quest has been removed.", quest->title.Text());
    show(text.Text());
}

bool SPlayer::IsQuestSolved(const char* name) const {
    const SQuestEntry* entry = FindQuest(name);
    return entry && (entry->state & kSolved) != 0;
}

bool SPlayer::IsQuestFailed(const char* name) const {
    const SQuestEntry* entry = FindQuest(name);
    return entry && (entry->state & kFailed) != 0;
}
