#pragma once
// SRepairDialogBase: what the smith's repair shop and the self-repair dialog share: the framed
// "Repair" title, the prompt over the list of damaged weapons and armour with a right-hand column,
// its page buttons, Repair (25, the use key) and Close (26, the cancel key, handed to the parent).
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SItem;

class SRepairDialogBase : public SDialog {
public:
    static constexpr uint32_t kList = 24;
    static constexpr uint32_t kRepair = 25;
    static constexpr uint32_t kClose = 26;
    static constexpr uint32_t kScrollUp = 33;
    static constexpr uint32_t kScrollDown = 34;

    // Weapons other than ammunition, and armour, below their maximum condition.
    static bool IsDamaged(const SItem& item);

    void Init(SGameData* game) override;
    void UpdateScrollButtons();
    void PageUp();
    void PageDown();

    SBorderCtrl m_frame;
    STextCtrl m_title;
    STextCtrl m_prompt;
    SDialogListCtrl m_list;
    SButtonCtrl m_scrollUp;
    SButtonCtrl m_scrollDown;
    SButtonCtrl m_repair;
    SButtonCtrl m_close;

protected:
    // Sizes the dialog by the layout, centres it on the screen, and places the frame and title.
    void placeHead(uint32_t layoutId);
    // The prompt, the list with a side column that wide, its page buttons, Repair and Close.
    void placeList(uint32_t sideWidth);
    // The list's touch, Close and the page buttons, with their sounds; false for other commands.
    bool listCommand(uint32_t id, uint32_t& result);
    // The selected row's index, -1 without one.
    int32_t selectedRow() const;
};
