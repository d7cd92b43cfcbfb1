#pragma once
// SProgressCtrl: the loading dialog's stepping bar, a filled part and an empty part. (The play
// screen's hit-point and spell-point bar is SHPSPCtrl.)
#include <cstdint>

#include "ui/ctrl.h"

class SProgressCtrl : public SCtrl {
public:
    // Cyan on black, a maximum of 1, nothing done.
    void Reset();
    void SetMaximum(int32_t maximum);
    // One step more, never past the maximum.
    void Step();
    // A bar whose maximum is below 1 is drawn empty.
    void Draw() override;

    uint32_t m_emptyColor = 0;
    uint32_t m_fillColor = 0x64C8C8;
    int32_t m_maximum = 1;
    int32_t m_current = 0;
};
