#pragma once
// SDialogSpellbook: the play screen's spell book: six tabs for the spell schools and one for the
// scrolls and wands the player carries, a list of the tab's entries, page buttons, Cast and
// Close. The play screen owns one for the whole run and does the casting: the book only fills the
// list, keeps the tab and the selection, plays the book's sounds and hands Cast (218) and Close
// (219) to its parent. It reopens on the tab last used.
// No control of it takes ticks: a tick only draws it.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SItem;
class SSpellType;

class SDialogSpellbook : public SDialog {
public:
    static constexpr uint32_t kLayout = 19;
    static constexpr uint32_t kFirstTabCommand = 208;
    static constexpr uint32_t kTabs = 7;
    static constexpr uint32_t kItemsTab = 7;
    static constexpr uint32_t kList = 215;
    static constexpr uint32_t kScrollUp = 216;
    static constexpr uint32_t kScrollDown = 217;
    static constexpr uint32_t kCast = 218;
    static constexpr uint32_t kClose = 219;

    void Init(SGameData* game) override;
    // Builds the book over the bottom right of the 3-D view and fills the list for the current tab,
    // keeping the selection the list had where that row still exists.
    void Open();
    // A tab command (208 to 214) makes its tab current; any command starts the tab afresh at its
    // first row.
    void SelectTab(uint32_t command);
    void UpdateTabButtons();
    void UpdateScrollButtons();
    void PageUp();
    void PageDown();
    // The selected row's spell on a school tab; none on the items tab or without a selection.
    const SSpellType* GetSelectedSpell() const;
    // The selected row's item of the pack on the items tab; none elsewhere, without a selection or
    // for an index the pack no longer has.
    SItem* GetSelectedItem() const;

    // Every control, every time.
    void Draw() override;
    uint32_t OnCommand(uint32_t id) override;
    // A press outside the book closes it, as Close does.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;

    uint32_t m_tab = 1;
    SFillBmpCtrl m_background;
    STextCtrl m_message;
    SButtonCtrl m_tabButtons[kTabs];
    SDialogListCtrl m_list;
    SButtonCtrl m_scrollUp;
    SButtonCtrl m_scrollDown;
    SButtonCtrl m_cast;
    SButtonCtrl m_close;

private:
    // The school the player's race may never use.
    bool tabBarred() const;
    void addSpellRows();
    void showMessage();
    void playSound(const char* name);
};
