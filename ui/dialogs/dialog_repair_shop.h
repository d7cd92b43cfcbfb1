#pragma once
// SDialogRepairShop: a smith's paid repairs: the player's damaged weapons and armour with the price
// of a full repair beside each, the player's gold in a small frame, and Repair, which mends the
// selected item when the gold reaches its price. The conversation and interior screens open it
// with the smith's price factor, a percentage.
#include <cstdint>

#include "ui/dialogs/repair_dialog_base.h"
#include "ui/dialogs/tool_entry.h"

class SDialogRepairShop : public SRepairDialogBase {
public:
    static constexpr uint32_t kLayout = 29;

    void Init(SGameData* game) override;
    void Open(uint32_t priceFactor);
    // The price of a full repair after the player's haggling, at least 1 gold.
    uint32_t Price(const SItem& item) const;
    void CollectDamaged();
    // Rows from the candidates; a selection past the last row selects the last.
    void FillList(int32_t selection);
    void FormatGold();
    void DoRepair();

    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_goldFrame;
    STextCtrl m_gold;
    uint32_t m_priceFactor = 0;
    SToolEntries m_candidates;
};
