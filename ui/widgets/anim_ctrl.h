#pragma once
// SAnimCtrl: an animation played on the frame ticks, timed by the platform's tick count. In record
// mode it draws a base picture with one frame picture over it at a time, each frame shown for its
// own duration; in picture-list mode it shows up to eight pictures for 200 ms each. Ticks draw
// directly; a full repaint shows the base with the first frame, whatever frame is current.
#include <cstdint>
#include <span>
#include <vector>

#include "ui/ctrl.h"

struct SPictureEntry;

// One frame of an animation record. Frame 0 is the base picture (its place and duration are not
// used); every further frame is a picture drawn over the base at (x, y), in the base picture's
// pixels, for `duration` x 10 ms. The interior records hand their layers over in this form.
struct SAnimFrame {
    const SPictureEntry* picture = nullptr;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t duration = 0;
};

class SAnimCtrl : public SCtrl {
public:
    static constexpr uint32_t kListPictures = 8;
    static constexpr uint32_t kListPictureTime = 200;  // ms

    SAnimCtrl();

    // Record mode from frame 1 on. A record of the base alone shows the base and never steps.
    void SetAnimation(std::span<const SAnimFrame> frames);
    // Picture-list mode from the first picture; it cycles over the first eight, or over all there
    // are when fewer.
    void SetPictures(std::span<const SPictureEntry* const> pictures);

    // Steps and draws when the current frame's time is up; answers 0.
    uint32_t OnTick(uint32_t arg) override;
    void Draw() override;

    uint32_t m_recordMode = 0;
    std::vector<SAnimFrame> m_frames;
    const SPictureEntry* m_base = nullptr;
    uint32_t m_frame = 0;
    uint32_t m_scaled = 0;  // the control's size differs from the base picture's
    uint32_t m_baseW = 0;
    uint32_t m_baseH = 0;
    uint32_t m_lastStep = 0;
    std::vector<const SPictureEntry*> m_pictures;

private:
    void startAt(const SPictureEntry* first, uint32_t frame);
    bool hasFrames() const { return m_frames.size() > 1; }
    void drawBaseAndFrame(uint32_t frame);
    void drawWhole(const SPictureEntry& picture);
};
