#pragma once
// SDialogRest: the scene shown while the player sleeps: a fire with its crackling loop, "Resting..."
// and an hour counter running from 1 to 8, an hour a second, then a wake-up report and Continue
// (command 5, handed to the parent). The play screen opens it without a host and restores the
// player itself; an inn opens it with the inn keeper as host, and the dialog then grants the inn's
// bonus when the counter ends.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/dialog.h"
#include "ui/widgets/anim_ctrl.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogRest : public SDialog {
public:
    static constexpr uint32_t kLayout = 1;
    static constexpr uint32_t kContinue = 5;
    static constexpr uint32_t kLastHour = 8;
    static constexpr uint32_t kHourTime = 1000;  // ms

    void Init(SGameData* game) override;
    // Starts the rest: the host is the inn keeper's display name, or null for a rest in the open.
    void Open(const char* host);
    // Rain fell during the hours the play screen passed: the report says so.
    void SetRainFlag(uint32_t flag) { m_rain = flag; }

    // Counts an hour once a second has passed since the last one (by the difference of the tick
    // counts, so a wrapping counter does not stall it), and reports at hour 8.
    uint32_t OnTick(uint32_t arg) override;
    // Continue stops every sound and goes to the parent; other ids do nothing.
    uint32_t OnCommand(uint32_t id) override;
    // The whole scene, every time.
    void Draw() override;

    SBorderCtrl m_outerFrame;
    SBorderCtrl m_innerFrame;
    STextCtrl m_title;
    STextCtrl m_counter;
    STextCtrl m_unit;
    STextCtrl m_report;
    SButtonCtrl m_continue;
    SAnimCtrl m_fire;
    SString m_host;  // empty for a rest in the open
    uint32_t m_hours = 1;
    uint32_t m_lastStep = 0;
    uint32_t m_rain = 0;

private:
    void showHours();
    void wakeUp();
};
