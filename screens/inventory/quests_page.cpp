#include "screens/inventory/quests_page.h"

#include "data/quest_table.h"
#include "game/game_data.h"
#include "ui/dialog.h"

namespace {

constexpr uint32_t kQuestsPageLabelColour = kPageInk;
constexpr uint32_t kQuestsPageLabelShade = kJournalInkShade;
constexpr SJournalListColours kColours{0xAAAAB4, 0x00141E, kQuestsPageLabelColour, kQuestsPageLabelShade};
constexpr uint32_t kQuestsPageFilterColour = 0x2D2D2D;
constexpr uint32_t kQuestsPageFilterHighlight = 0x96F0FF;
constexpr uint32_t kQuestsPageFilterBlend = 0x5A8A87;
constexpr const char* kQuestsPageFilterNames[SQuestsPage::kFilters] = {"All", "Active", "Solved", "Failed"};
constexpr uint8_t kSolvedBit = 1;
constexpr uint8_t kFailedBit = 2;

// The filter that shows a quest of the state, besides "all".
uint32_t filterOf(SQuestState state) {
    switch (state) {
        case kQuestActive: return 1;
        case kQuestSolved: return 2;
        default: return 3;
    }
}

}  // namespace

SQuestState QuestStateOf(const SQuestEntry& entry) {
    if (entry.state & kSolvedBit) return kQuestSolved;
    if (entry.state & kFailedBit) return kQuestFailed;
    return kQuestActive;
}

void SQuestsPage::Attach(SDialog* owner) {
    m_background.Attach(owner);
    m_list.Attach(owner);
    m_descriptionLabel.Attach(owner);
    m_showLabel.Attach(owner);
    for (STopicButtonCtrl& button : m_filterButtons) button.Attach(owner);
}

void SQuestsPage::Build(SDialog& owner, SGameData& game, uint32_t filter) {
    m_game = &game;
    m_background.SetTile(game.InterfacePicture(SInterfaceRole::kSpellBookBackground));
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    owner.PlaceCtrl(m_background, kBackground);
    m_list.Build(owner, game, "Quests", kColours);
    m_statePictures = game.InterfaceSet<3>(SInterfaceRole::kQuestStateMarks);
    m_list.m_list.SetSidePictures(m_statePictures);
    if (owner.PlaceCtrl(m_descriptionLabel, kDescriptionLabel))
        m_descriptionLabel.SetTextEx("Description:", STextAlign::kLeft, 1, kQuestsPageLabelColour,
                                     kQuestsPageLabelShade);
    if (owner.PlaceCtrl(m_showLabel, kShowLabel))
        m_showLabel.SetTextEx("Show:", STextAlign::kLeft, 1, kQuestsPageLabelColour, kQuestsPageLabelShade);
    for (uint32_t i = 0; i < kFilters; ++i)
        if (owner.PlaceCtrl(m_filterButtons[i], kFirstFilter + i))
            m_filterButtons[i].SetupSimple(kQuestsPageFilterNames[i], kFirstFilter + i, kQuestsPageFilterColour,
                                           kQuestsPageFilterHighlight, kQuestsPageFilterBlend);
    setFilter(filter);
}

void SQuestsPage::setFilter(uint32_t filter) {
    m_filter = filter;
    for (uint32_t i = 0; i < kFilters; ++i) m_filterButtons[i].SetChecked(i == filter);
    fill();
}

void SQuestsPage::fill() {
    m_list.Clear();
    const SPtrArray<SQuestEntry>& quests = m_game->m_player.Quests();
    for (int i = 0; i < quests.Count(); ++i) {
        const SQuestEntry* entry = quests[i];
        if (entry == nullptr) continue;
        const SQuestState state = QuestStateOf(*entry);
        if (m_filter != 0 && filterOf(state) != m_filter) continue;
        // A quest the table lacks (a save from other data) keeps its row under the name it was saved with.
        const SQuest* quest = m_game->m_questTable.Find(entry->name.Text());
        m_list.AddRow(entry->name.Text(), quest ? quest->title.Text() : entry->name.Text(), state);
    }
    m_list.ShowFirstPage();
    describe();
}

void SQuestsPage::describe() {
    const char* key = m_list.SelectedKey();
    const SQuest* quest = *key ? m_game->m_questTable.Find(key) : nullptr;
    m_list.Describe(quest ? quest->title.Text() : "", quest ? quest->text.Text() : "");
}

bool SQuestsPage::OnCommand(uint32_t id, uint32_t& filter) {
    if (id >= kFirstFilter && id < kFirstFilter + kFilters) {
        m_game->PlaySound("bsnd_clickh", 10);
        filter = id - kFirstFilter;
        setFilter(filter);
        return true;
    }
    const SJournalList::Answer answer = m_list.OnCommand(id);
    if (answer == SJournalList::Answer::kDescribe) describe();
    return answer != SJournalList::Answer::kNotMine;
}
