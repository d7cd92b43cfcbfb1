#pragma once
// SDialogMarkRecall: the two teleport magics. Mark stores where the player stands in one of the
// player's mark slots; Recall queues a journey back to a stored place. It lists the slots on a
// parchment with page buttons, OK (231, which marks or recalls with the selected slot) and Cancel
// (232); both go to the parent, which closes it. The play screen checks first whether the map
// allows either.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogMarkRecall : public SDialog {
public:
    static constexpr uint32_t kLayout = 22;
    static constexpr uint32_t kOk = 231;
    static constexpr uint32_t kCancel = 232;
    static constexpr uint32_t kList = 233;
    static constexpr uint32_t kPageUp = 234;
    static constexpr uint32_t kPageDown = 235;

    void Init(SGameData* game) override;
    // Mark mode (non-zero) first makes the slots the player's Intelligence allows.
    void Open(uint32_t markMode);
    // One row per slot; with keepSelection the selected row stays, else the first is selected.
    void FillSlots(bool keepSelection);
    void UpdateArrows();
    void PageUp();
    void PageDown();
    // Marks the selected slot with the play screen's place, or queues the journey to it.
    void Apply();

    uint32_t OnCommand(uint32_t id) override;
    // The whole dialog, every time.
    void Draw() override;

    uint32_t m_markMode = 0;
    SFillBmpCtrl m_background;
    STextCtrl m_title;
    SDialogListCtrl m_list;
    SButtonCtrl m_pageUp;
    SButtonCtrl m_pageDown;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;

private:
    void mark(int slot);
    void recall(int slot);
};
