#pragma once
// SGradientCtrl: a horizontal bar shading from a left colour through a middle colour to a right
// colour, with a marker for a value on the scale from the minimum through the middle value to the
// maximum. It draws only while flag bit 0 is set, and does not clear its rectangle: the owner
// marks itself dirty when it moves the value.
#include <cstdint>

#include "ui/ctrl.h"

class SGradientCtrl : public SCtrl {
public:
    static constexpr uint32_t kDrawn = 1;

    // Blue at -100, pale at 0, green at 100, a dark blue marker.
    void SetDefaults();
    void SetValue(int32_t value) { m_value = value; }
    // Where the marker's left column stands.
    int32_t MarkerX() const;
    void Draw() override;

    uint32_t m_gradientFlags = 0;
    uint32_t m_leftColor = 0;
    int32_t m_minValue = 0;
    uint32_t m_midColor = 0;
    int32_t m_midValue = 0;
    uint32_t m_rightColor = 0;
    int32_t m_maxValue = 0;
    uint32_t m_markerColor = 0;
    int32_t m_value = 0;
};
