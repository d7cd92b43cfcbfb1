#pragma once
// SDialogLockpick: the player picks the lock of the play screen's lock target with lockpicks: the
// usable picks one at a time with their condition, a word for the chance, Try (103) and Close
// (104). A try wears the pick and trains Lockpicking; it opens the lock (the success line joins
// the play screen's message and 104 goes to the parent), fails quietly with "Failed" for a
// second, or at a trapped door hands 103 to the parent, which springs the trap. Every draw
// repaints the whole dialog.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/dialogs/tool_entry.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/item_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

struct SPlacedObject;

class SDialogLockpick : public SDialog {
public:
    static constexpr uint32_t kLayout = 12;
    static constexpr uint32_t kPreviousPick = 101;
    static constexpr uint32_t kNextPick = 102;
    static constexpr uint32_t kTry = 103;
    static constexpr uint32_t kClose = 104;
    static constexpr uint32_t kFailedMilliseconds = 1000;

    void Init(SGameData* game) override;
    // Builds the dialog over the 3-D view; Reset then fills it.
    void Open();
    // The first usable pick chosen, and the chance against the lock target.
    void Reset();
    void CollectPicks();
    void ShowPick();
    void UpdateChance();
    // Try's result: the parent's answer when the try ended the dialog, else 0.
    uint32_t Try();
    const SToolEntry* SelectedPick() const { return ToolAt(m_picks, m_pickIndex); }

    void Draw() override;
    uint32_t OnCommand(uint32_t id) override;
    // Ends the "Failed" note once its second has passed, then draws.
    uint32_t OnTick(uint32_t arg) override;

    SBorderCtrl m_frame;
    STextCtrl m_title;
    SItemCtrl m_pickPicture;
    STitleTextCtrl m_pickText;
    SButtonCtrl m_previousPick;
    SButtonCtrl m_nextPick;
    STextCtrl m_chance;
    SButtonCtrl m_try;
    SButtonCtrl m_close;
    SToolEntries m_picks;
    int32_t m_pickIndex = -1;
    uint32_t m_failedShown = 0;
    uint32_t m_failedSince = 0;  // the tick count when "Failed" appeared

private:
    SPlacedObject* door() const;
    // Lockpicking with its Fortify bonus, plus a five-hundredth of the pick's condition.
    int32_t score(const SItem& pick) const;
    uint32_t forward(uint32_t id);
};
