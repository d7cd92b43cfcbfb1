#pragma once
// SDialogTraining: a trainer raises the one skill it teaches by a level for gold, up to its limit.
// It shows who trains what, the player's level, the price of the next level or why there is none,
// and the player's gold; Train (17) shows only while the player may train and can pay, and the
// dialog stays open for the next level. Close (18) goes to the parent.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SNpcType;

class SDialogTraining : public SDialog {
public:
    static constexpr uint32_t kLayout = 4;
    static constexpr uint32_t kTrain = 17;
    static constexpr uint32_t kClose = 18;

    void Init(SGameData* game) override;
    // The trainer stays the caller's while the dialog is open.
    void Open(const SNpcType& trainer);
    // The level, the price or the refusal, the gold, and whether Train shows.
    void Refresh();
    // One level for the price; nothing while training is refused or unpaid.
    void Train();
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_frame;
    STextCtrl m_title;
    STextCtrl m_level;
    STextCtrl m_status;
    STextCtrl m_gold;
    SButtonCtrl m_train;
    SButtonCtrl m_close;
    const SNpcType* m_trainer = nullptr;
    uint32_t m_skill = 0;
    SString m_skillName;
    uint32_t m_cost = 0;
    bool m_canTrain = false;

private:
    bool isBarred() const;
    // The refusal for the player at this level, or empty when the player may train.
    SString refusal(uint32_t level) const;
};
