#pragma once
// SDialogCardBet: the "Bet?" dialog in which the player sets the stake of a card game against a
// person. Raise and lower move the stake by a step that grows with the person's maximum, maximum
// and minimum jump to the ends; accept (25) and cancel (26) go to the owner, which reads the stake
// and starts the game or closes the dialog. The stake never passes the person's maximum, also when
// that maximum is below the step.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SNpcType;

class SDialogCardBet : public SDialog {
public:
    static constexpr uint32_t kLayout = 15;
    enum Element : uint32_t {
        kTitle = 16,
        kAccept = 25,
        kCancel = 26,
        kRaise = 134,
        kLower = 135,
        kMaximum = 136,
        kMinimum = 137,
        kAmount = 138,
    };

    // The step for a person's maximum: 10 up to 100, 50 up to 300, 100 up to 1000, else 1000.
    static uint32_t StepFor(uint32_t maximum);

    void Init(SGameData* game) override;
    void Show(const SNpcType& person);
    uint32_t OnCommand(uint32_t id) override;

    uint32_t Stake() const { return m_stake; }
    uint32_t Maximum() const { return m_maximum; }
    uint32_t Step() const { return m_step; }

    SBorderCtrl m_frame;
    STextCtrl m_title;
    SButtonCtrl m_raise;
    SButtonCtrl m_lower;
    SButtonCtrl m_toMaximum;
    SButtonCtrl m_toMinimum;
    STextCtrl m_amount;
    SButtonCtrl m_accept;
    SButtonCtrl m_cancel;

private:
    // The lowest stake: the step, or the maximum when that is smaller.
    uint32_t floor() const;
    void setStake(uint32_t stake);
    void update();

    uint32_t m_stake = 0;
    uint32_t m_maximum = 0;
    uint32_t m_step = 0;
};
