#pragma once
// SDialogEnchantRechargeWand: an enchanter's paid recharge of one of the player's wands. It shows
// the wand with its charges, the price of filling it and the player's gold; Recharge (25) pays and
// fills it, Cancel (26) goes back. Its answers to the enchant item chooser that opens it: 25 after
// the recharge's message closes, 26 on Cancel. A refusal keeps it open.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SItem;
class SNpcType;

class SDialogEnchantRechargeWand : public SDialog {
public:
    static constexpr uint32_t kLayout = 27;
    static constexpr uint32_t kWandText = 277;
    static constexpr uint32_t kCostText = 287;

    enum State : uint32_t { kNormal, kRefused, kRecharged };

    void Init(SGameData* game) override;
    // Builds the dialog for a wand of the player's that is not full, and prices the recharge with
    // the host's price factor.
    void Open(const SNpcType& host, SItem& wand);
    // Fills the wand and takes the price when the player can pay it; otherwise says so.
    void Recharge();
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_frame;
    STextCtrl m_title;
    STitleTextCtrl m_wandText;
    STextCtrl m_costText;
    SButtonCtrl m_recharge;
    SButtonCtrl m_cancel;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

    State m_state = kNormal;
    SItem* m_wand = nullptr;
    uint32_t m_cost = 0;
    uint32_t m_fullCharges = 0;

private:
    void showMessage(const char* text);
};
