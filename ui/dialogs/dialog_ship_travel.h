#pragma once
// SDialogShipTravel: the voyage scene a script sends the player on: the ship's picture, the
// script's text, the voyage's sound in a loop and OK (228), which moves the player to the
// destination and goes to the parent. The play screen owns one and lets the hour of travel pass
// when it opens it.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogShipTravel : public SDialog {
public:
    static constexpr uint32_t kLayout = 21;
    static constexpr uint32_t kOk = 228;

    void Init(SGameData* game) override;
    // Starts the voyage. A null text or destination keeps the one of the last voyage.
    void Open(const char* text, const char* destination);
    // The whole scene is repainted on every tick.
    uint32_t OnTick(uint32_t arg) override;
    // OK ends the voyage loop and travels; other ids do nothing.
    uint32_t OnCommand(uint32_t id) override;

    SBorderCtrl m_outerFrame;
    SBorderCtrl m_innerFrame;
    SButtonCtrl m_ok;
    SPicCtrl m_ship;
    STextCtrl m_text;
    SString m_destination;  // the position object the player travels to
};
