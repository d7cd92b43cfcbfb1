#pragma once
// SDialogRaceSelect: the race of a new character, one of the five playable races (the creatures'
// race 0 is never offered). For the race under the cursor it shows the race's picture, its name
// and the effects of its racial ability in two columns. OK (25) and Cancel (26) go to the parent,
// which reads `m_race` on 25 (0 when no row is selected).
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogRaceSelect : public SDialog {
public:
    static constexpr uint32_t kLayout = 18;
    static constexpr uint32_t kList = 200;

    void Init(SGameData* game) override;
    // Race 0, or one past the five, selects no row.
    void Open(uint32_t race);
    // Picture, name and ability of `m_race`.
    void Refresh();
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_outerFrame;
    STextCtrl m_title;
    SBorderCtrl m_listFrame;
    SBorderCtrl m_detailsFrame;
    SDialogListCtrl m_list;
    SPicCtrl m_picture;
    STextCtrl m_name;
    STextCtrl m_abilityFirst;
    STextCtrl m_abilitySecond;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;
    uint32_t m_race = 0;

private:
    // The ability's first half of effects, and the rest; both empty when the race names none the
    // ability table has.
    void showAbility();
};
