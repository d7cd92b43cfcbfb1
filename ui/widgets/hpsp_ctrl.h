#pragma once
// SHPSPCtrl: the hit-point and spell-point bar, built from three pictures: the moving end, a middle
// that is cut to length, and the fixed end. A control narrower than high is a vertical bar that
// grows upward from its fixed bottom piece; any other is a horizontal bar that grows to the right.
// This is the play screen's hp and mana bar wherever other descriptions call it SProgressCtrl.
#include <cstdint>

#include "ui/ctrl.h"
#include "ui/picture_sets.h"

class SHPSPCtrl : public SCtrl {
public:
    // Variant 1 takes the game's first bar set of the bar's direction, 0 the second. Full length.
    void Setup(uint32_t variant);
    // Percent 0 shows as 1 (a living character never shows an empty bar), anything above 100 as
    // 100 (spell points can run over their maximum).
    void SetPercent(uint32_t percent);
    void Draw() override;

    SBarSet m_pieces{};
    uint32_t m_horizontal = 0;
    int32_t m_topH = 0;
    int32_t m_middleH = 0;
    int32_t m_bottomH = 0;
    int32_t m_leftW = 0;
    int32_t m_middleW = 0;
    int32_t m_rightW = 0;
    uint32_t m_bgColor = 0;
    int32_t m_fillTop = 0;  // the y of a vertical bar's moving end
    int32_t m_fillEnd = 0;  // the x just past a horizontal bar
    int32_t m_lengthV = 0;  // the middle's drawn length
    int32_t m_lengthH = 0;

private:
    int32_t track() const;
};
