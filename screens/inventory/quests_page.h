#pragma once
// SQuestsPage: the journal's Quests page: the quests the player has been given under a filter
// (all, active, solved, failed), each row marked with its state's picture, and the selected
// quest's title and text. A quest the world's table no longer has keeps its row under its stored
// name, without a text.
#include <array>
#include <cstdint>

#include "screens/inventory/journal_list.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialog;
class SGameData;
struct SPictureEntry;
struct SQuestEntry;

// How a quest of the player stands; its row's value picks its picture.
enum SQuestState : uint32_t { kQuestSolved = 0, kQuestFailed = 1, kQuestActive = 2 };
// Solved wins over failed for an entry that has both.
SQuestState QuestStateOf(const SQuestEntry& entry);

class SQuestsPage {
public:
    static constexpr SJournalListIds kIds{333, 334, 335, 339, 340, 337, 338, 341, 342};
    static constexpr uint32_t kBackground = 348;
    static constexpr uint32_t kDescriptionLabel = 336;
    static constexpr uint32_t kShowLabel = 343;
    // The filter buttons by filter: all, active, solved, failed.
    static constexpr uint32_t kFirstFilter = 344;
    static constexpr uint32_t kFilters = 4;

    void Attach(SDialog* owner);
    // Places the page's controls by the owner's layout and fills the list under the filter.
    void Build(SDialog& owner, SGameData& game, uint32_t filter);
    // A command of the page; false for any other. A filter button stores its filter in `filter`.
    bool OnCommand(uint32_t id, uint32_t& filter);

    SFillBmpCtrl m_background;
    SJournalList m_list{kIds};
    STextCtrl m_descriptionLabel;
    STextCtrl m_showLabel;
    STopicButtonCtrl m_filterButtons[kFilters];

private:
    void setFilter(uint32_t filter);
    void fill();
    void describe();

    SGameData* m_game = nullptr;
    uint32_t m_filter = 0;
    std::array<const SPictureEntry*, 3> m_statePictures{};
};
