#pragma once
// SHandPicture: how the play screen reads a first-person picture record (SFpsItem): its frames, the
// frame a blow strikes on and the one the hand rests on, where the picture sits in the view, whether
// a stroke may show either way, where a held missile sits, and its paralysed palette.
#include <cstdint>

#include "data/items/fps_item.h"

class SHandPicture {
public:
    static constexpr uint8_t kNoStrikeFrame = 255;

    explicit SHandPicture(const SFpsItem* picture) : m_picture(picture) {}

    bool Exists() const { return m_picture != nullptr; }
    int FrameCount() const { return m_picture ? int(m_picture->m_frameSlots.size()) : 0; }
    // The cache slot of frame i; 0 past the frames.
    uint16_t Frame(int i) const {
        return i >= 0 && i < FrameCount() ? uint16_t(m_picture->m_frameSlots[size_t(i)]) : uint16_t(0);
    }
    // The record's bytes in order: strike frame, rest frame, horizontal and vertical offset in
    // percent of the view, and the mark that lets a stroke play whole or strike at once.
    uint8_t StrikeFrame() const { return byte(0, kNoStrikeFrame); }
    uint8_t RestFrame() const { return byte(1, 0); }
    uint8_t HorizontalOffset() const { return byte(2, 0); }
    uint8_t VerticalOffset() const { return byte(3, 0); }
    bool EitherWay() const { return byte(4, 0) != 0; }
    // Where a held missile sits, in percent.
    uint16_t HoldOffset() const { return m_picture ? m_picture->m_numberA : 0; }
    const char* ParalysedPalette() const {
        return m_picture && !m_picture->m_lateText.IsEmpty() ? m_picture->m_lateText.Text() : nullptr;
    }
    const char* Sound() const {
        return m_picture && !m_picture->m_soundName.IsEmpty() ? m_picture->m_soundName.Text() : nullptr;
    }

private:
    uint8_t byte(size_t i, uint8_t none) const { return m_picture ? m_picture->m_bytes[i] : none; }

    const SFpsItem* m_picture;
};
