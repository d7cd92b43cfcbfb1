#pragma once
// SSpellsPage: the journal's Spells page: the spells the player knows of one of the six schools,
// or under the seventh button the scrolls and wands in the pack, and the selected row's text: a
// spell's effects at the player's skill in its school with what it costs, or an item's effects.
// The page only tells; casting is the play screen's.
#include <cstdint>

#include "screens/inventory/journal_list.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialog;
class SGameData;

class SSpellsPage {
public:
    static constexpr SJournalListIds kIds{349, 350, 215, 216, 217, 351, 352, 241, 242};
    static constexpr uint32_t kBackground = 207;
    static constexpr uint32_t kDescriptionLabel = 566;
    static constexpr uint32_t kSchoolName = 353;
    // The school buttons 1..7; the seventh lists the magical items.
    static constexpr uint32_t kFirstSchoolButton = 208;
    static constexpr uint32_t kSchools = 7;
    static constexpr uint32_t kMagicItems = 7;

    void Attach(SDialog* owner);
    // Places the page's controls by the owner's layout, with the first school chosen and listed.
    void Build(SDialog& owner, SGameData& game);
    // A command of the page; false for any other. A school button stores its school in `school`.
    bool OnCommand(uint32_t id, uint32_t& school);

    SFillBmpCtrl m_background;
    SJournalList m_list{kIds};
    STextCtrl m_descriptionLabel;
    SButtonCtrl m_schoolButtons[kSchools];
    STextCtrl m_schoolName;

private:
    void setSchool(uint32_t school);
    void fill();
    void describe();
    void describeSpell(const char* key);
    void describeItem(const char* key);

    SDialog* m_owner = nullptr;
    SGameData* m_game = nullptr;
    uint32_t m_school = 1;
};
