#pragma once
// SCharacterLists: the three list sheets of the inventory's character page: the player's
// abilities, diseases and active effects, each with its description. The active effects are
// listed by effect kind under a filter (timed effects only, lasting ones only, or all), and a
// kind's description gives every entry with its value, the rounds left and its source.
#include <cstdint>

#include "screens/inventory/journal_list.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialog;
class SGameData;

class SCharacterLists {
public:
    // The sub-pages of the character page that list.
    enum Sheet : uint32_t { kAbilities = 2, kDiseases = 3, kEffects = 4 };
    static constexpr SJournalListIds kAbilityIds{523, 521, 522, 524, 525, 528, 520, 526, 527};
    static constexpr SJournalListIds kDiseaseIds{513, 511, 512, 516, 517, 514, 515, 518, 519};
    static constexpr SJournalListIds kEffectIds{502, 500, 501, 503, 504, 498, 499, 505, 506};
    static constexpr uint32_t kShowLabel = 510;
    // The filter buttons by filter: dynamic, constant, all.
    static constexpr uint32_t kFilterButtons[3] = {508, 507, 509};
    static constexpr uint32_t kFirstCommand = 498;
    static constexpr uint32_t kLastCommand = 528;

    void Attach(SDialog* owner);
    // Places the sheet's controls by the owner's layout and fills its list.
    void Build(SDialog& owner, SGameData& game, uint32_t sheet, uint32_t effectsFilter);
    // A command of the sheet shown; false for any other. A filter button stores its filter in
    // `effectsFilter`.
    bool OnCommand(uint32_t id, uint32_t& effectsFilter);

    SJournalList m_abilities{kAbilityIds};
    SJournalList m_diseases{kDiseaseIds};
    SJournalList m_effects{kEffectIds};
    STextCtrl m_showLabel;
    STopicButtonCtrl m_filterButtons[3];

private:
    SJournalList* shownList();
    void fill();
    void describe();
    void describeRecord(const char* title, const SString& body);
    void setFilter(uint32_t filter);

    SGameData* m_game = nullptr;
    uint32_t m_sheet = 0;
    uint32_t m_filter = 0;
};
