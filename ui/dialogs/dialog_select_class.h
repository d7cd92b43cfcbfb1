#pragma once
// SDialogSelectClass: a class preset for a new character: the six classes in a list and beside it
// the primary skills of the class under the cursor, which follow every move of the list. OK (25)
// and Cancel (26) go to the parent, which reads `m_selected` on 25 (0 when no row is selected).
#include <array>
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogSelectClass : public SDialog {
public:
    static constexpr uint32_t kLayout = 9;
    static constexpr uint32_t kList = 53;
    static constexpr int kPrimarySkills = 6;

    void Init(SGameData* game) override;
    // Always opens on the first class.
    void Open();
    // The full names of the primary skills of `m_selected`; none for class 0.
    void RefreshSkills();
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_outerFrame;
    STextCtrl m_title;
    SBorderCtrl m_listFrame;
    SBorderCtrl m_skillsFrame;
    SDialogListCtrl m_list;
    STextCtrl m_skillsLabel;
    std::array<STextCtrl, kPrimarySkills> m_skillNames;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;
    std::array<uint32_t, kPrimarySkills> m_skillIds{};
    uint32_t m_selected = 0;
};
