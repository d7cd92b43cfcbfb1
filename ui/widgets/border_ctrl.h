#pragma once
// SBorderCtrl: the game's frame from a frame set over the control's rectangle, on the sides asked
// for, optionally filled with a colour. A frame described as "mode m, parameter p" is
// Setup(set, fill = m, fill colour 0, sides = p).
#include <cstdint>

#include "ui/ctrl.h"
#include "ui/picture_sets.h"

// The sides of a border, and the fill.
struct SBorderSides {
    static constexpr uint32_t kTop = 1;
    static constexpr uint32_t kLeft = 2;
    static constexpr uint32_t kBottom = 4;
    static constexpr uint32_t kRight = 8;
    static constexpr uint32_t kAll = 15;
    static constexpr uint32_t kFill = 128;  // the frame drawing's flag for a filled inside
};

class SBorderCtrl : public SCtrl {
public:
    void Setup(const SFrameSet& frameSet, uint32_t fill, uint32_t fillColor, uint32_t sides);
    void Draw() override;

    SFrameSet m_frameSet{};
    uint32_t m_fill = 0;
    uint32_t m_keyed = 0;  // set by the owner
    uint32_t m_fillColor = 0;
    uint32_t m_sides = 0;
};
