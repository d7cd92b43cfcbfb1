#pragma once
// SCardSignCtrl: a sign of the card table (a side's marker) with one of two marks over it, the
// mark of a hit or of a tick.
#include <cstdint>

#include "ui/widgets/card_tap_ctrl.h"

struct SPictureEntry;

class SCardSignCtrl : public SCardTapCtrl {
public:
    void SetPicture(const SPictureEntry* picture);
    void SetFallback(const SPictureEntry* picture) { m_fallback = picture; }
    void SetFirstMark(const SPictureEntry* picture) { m_firstMark = picture; }
    void SetSecondMark(const SPictureEntry* picture) { m_secondMark = picture; }
    // At most one mark shows at a time.
    void ShowFirst() { showMarks(1, 0); }
    void ShowSecond() { showMarks(0, 1); }
    void HideMarks() { showMarks(0, 0); }

    void Draw() override;

    const SPictureEntry* m_picture = nullptr;   // drawn opaque
    const SPictureEntry* m_fallback = nullptr;  // drawn keyed when there is no base picture
    uint32_t m_showFirst = 0;
    const SPictureEntry* m_firstMark = nullptr;
    uint32_t m_showSecond = 0;
    const SPictureEntry* m_secondMark = nullptr;

private:
    void showMarks(uint32_t first, uint32_t second);
};
