#pragma once
// SDialogRepair: the player mends weapons and armour with a repair hammer: the usable hammers one at
// a time with their condition, the damaged items with theirs, and Repair, which tries with the
// chosen hammer on the chosen item. Every try wears the hammer and trains Repair; a success adds
// condition. Hammers worn below a tenth leave the choice. The inventory screen opens it with the
// hammer the player used.
#include <cstdint>

#include "ui/dialogs/repair_dialog_base.h"
#include "ui/dialogs/tool_entry.h"
#include "ui/widgets/item_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SDialogRepair : public SRepairDialogBase {
public:
    static constexpr uint32_t kLayout = 5;
    static constexpr uint32_t kPreviousHammer = 29;
    static constexpr uint32_t kNextHammer = 30;

    void Init(SGameData* game) override;
    // Starts afresh from the pack, with the hammer chosen when it is usable.
    void Open(const SItem* hammer);
    void CollectItems();
    void ShowHammer();
    void FillList();
    void DoRepair();
    const SToolEntry* SelectedHammer() const { return ToolAt(m_hammers, m_hammerIndex); }

    uint32_t OnCommand(uint32_t id) override;

    STextCtrl m_hammerPrompt;
    SItemCtrl m_hammerPicture;
    SButtonCtrl m_previousHammer;
    SButtonCtrl m_nextHammer;
    STitleTextCtrl m_hammerText;
    int32_t m_skill = 0;
    SToolEntries m_hammers;
    int32_t m_hammerIndex = -1;
    SToolEntries m_damaged;

private:
    void stepHammer(int32_t step);
    // The selected row shows the item's condition now, or leaves the list once it is whole.
    void showRepairedRow(int32_t row);
};
