#pragma once
// SDialogPotion: the play screen's potion list: the potions the player carries, equal ones in one
// row with their count, heaviest first, with page buttons, Drink (224) and Close (225), which go to
// the parent. The play screen opens it only when the list has rows, and drinks the potion itself.
// No control of it takes ticks: a tick only draws it.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SItem;

class SDialogPotion : public SDialog {
public:
    static constexpr uint32_t kLayout = 20;
    static constexpr uint32_t kScrollUp = 222;
    static constexpr uint32_t kScrollDown = 223;
    static constexpr uint32_t kDrink = 224;
    static constexpr uint32_t kClose = 225;
    static constexpr uint32_t kList = 226;

    void Init(SGameData* game) override;
    // Builds the dialog in the bottom right corner of the 3-D view and fills it, the first row
    // selected.
    void Open();
    // The item of the pack the selected row stands for; none without a selection or for an index
    // the pack no longer has.
    SItem* GetSelectedItem() const;
    void UpdateScrollButtons();
    void PageUp();
    void PageDown();

    // Every control, every time.
    void Draw() override;
    uint32_t OnCommand(uint32_t id) override;
    // A press outside the dialog closes it, as Close does.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;

    SFillBmpCtrl m_background;
    STextCtrl m_prompt;
    SDialogListCtrl m_list;
    SButtonCtrl m_scrollUp;
    SButtonCtrl m_scrollDown;
    SButtonCtrl m_drink;
    SButtonCtrl m_close;

private:
    void addPotionRows();
};
