#pragma once
// SCardTapCtrl: what the card screen's widgets share: a tap (pen-down without drag inside the
// rectangle) answers the command id, and a card's small picture sits at the same place on a face
// wherever a card is drawn.
#include <cstdint>

#include "ui/ctrl.h"

class SCardTapCtrl : public SCtrl {
public:
    SCardTapCtrl() { m_input = SCtrlInput::kPen; }

    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;

protected:
    // Where a card's own picture goes on a face whose top left is at (x, y).
    int OverlayX(int x) const;
    int OverlayY(int y) const;
};
