#pragma once
// SDialogEnchantItem: the first step of enchanting and of recharging wands. It lists the player's
// items that can be enchanted (no effects yet, some enchant storage) followed by the wands that
// can take more charges, or in recharge mode the wands only; describes the selected one; and
// says how much storage the worker can fill. Choosing an item opens, as its own child, the wand
// recharge for an enchanter's recharge, or the enchant dialog; the player's own magic refills a
// wand at once. An enchanter's chooser stays open until the player closes it; the player's own
// magic serves one item. It closes by passing 279 (or 26) to its parent, which drops it; closing
// rebuilds the effects of what the player wears.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/dialogs/dialog_enchant.h"
#include "ui/dialogs/dialog_enchant_recharge_wand.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SItem;
class SNpcType;

class SDialogEnchantItem : public SDialog {
public:
    static constexpr uint32_t kLayout = 25;
    static constexpr uint32_t kList = 274;
    static constexpr uint32_t kPageUp = 275;
    static constexpr uint32_t kPageDown = 276;
    static constexpr uint32_t kDescription = 277;
    static constexpr uint32_t kCapacityText = 278;
    static constexpr uint32_t kClose = 279;

    enum State : uint32_t { kListing, kNested, kMessage, kFreeRecharge };

    void Init(SGameData* game) override;
    // `host` is the enchanter, whose enchanting level sets the capacity; without one the player's
    // own magic of that level works. `recharge` offers the wands only.
    void Open(const SNpcType* host, uint32_t level, bool recharge);
    uint32_t OnCommand(uint32_t id) override;

    // The offered items, the first selected.
    void FillItems();
    // The selected item's name, with a wand's charges or an item's enchant storage.
    void FormatItem();
    void UpdateScrollButtons();
    // Recharges or enchants the selected item, or says why it cannot.
    void Select();
    // The item of the player's that the selected row stands for; null without one.
    SItem* SelectedItem() const;

    SDialogEnchant m_enchant;
    SDialogEnchantRechargeWand m_rechargeWand;
    SBorderCtrl m_frame;
    SBorderCtrl m_innerFrame;
    STextCtrl m_title;
    STextCtrl m_listLabel;
    SDialogListCtrl m_list;
    SButtonCtrl m_pageUp;
    SButtonCtrl m_pageDown;
    STitleTextCtrl m_description;
    STextCtrl m_capacityText;
    SButtonCtrl m_choose;
    SButtonCtrl m_close;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

    const SNpcType* m_host = nullptr;
    uint32_t m_capacity = 0;
    bool m_recharge = false;
    State m_state = kListing;

private:
    void showMessage(const char* text);
    // The player's wearing effects rebuilt, then the id to the parent.
    uint32_t close(uint32_t id);
};
