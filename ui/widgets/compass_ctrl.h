#pragma once
// SCompassCtrl: a compass strip covering 360 degrees that scrolls with the play screen's heading,
// with its two end caps blended over it and a keyed overlay (the letters) drawn the same way as the
// strip. The strip wraps around, so there is no seam at north.
#include <cstdint>

#include "ui/ctrl.h"

struct SPictureEntry;

class SCompassCtrl : public SCtrl {
public:
    void Setup(const SPictureEntry* strip, const SPictureEntry* overlay, const SPictureEntry* leftCap,
               const SPictureEntry* rightCap);
    // The strip column drawn at the control's left edge, before wrapping.
    int32_t StripOffset() const;
    void Draw() override;

    const SPictureEntry* m_strip = nullptr;
    const SPictureEntry* m_overlay = nullptr;
    const SPictureEntry* m_leftCap = nullptr;
    const SPictureEntry* m_rightCap = nullptr;
    int32_t m_stripW = 0;
    int32_t m_stripH = 0;
    int32_t m_capW = 0;  // the left cap's, used for both
    int32_t m_degreesPerPixel = 3;
    int32_t m_offset = 10;

private:
    // Columns from `StripOffset` on across the control, wrapping at the strip's ends.
    void drawWrapped(const SPictureEntry& picture, bool keyed, int sourceY, int rows);
};
