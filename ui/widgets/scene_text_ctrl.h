#pragma once
// SSceneTextCtrl: story text that scrolls up through its rectangle one pixel per step, its lines
// fading in at the bottom and out at the top, then holds for two seconds and reports that it has
// finished. It paints only on ticks: each step has the owner repaint its background first.
#include <cstdint>

#include "engine/base/string.h"
#include "engine/base/value_array.h"
#include "ui/ctrl.h"

class SSceneTextCtrl : public SCtrl {
public:
    static constexpr uint32_t kHoldMs = 2000;

    SSceneTextCtrl();

    // The text from the bottom edge again, in the game's message-button colour fading to dark ink.
    void Start(const char* text);
    // Wraps the text at the control's width, as the text boxes do.
    void SetText(const char* text);
    void SetInterval(uint32_t milliseconds) { m_interval = milliseconds; }
    // Resuming goes on from the same offset, with a fresh step timer.
    void SetPaused(bool paused);
    bool IsFinished() const { return m_finished != 0; }

    // A pen-down inside answers the control's id: the screen skips the scene with it.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    uint32_t OnTick(uint32_t arg) override;
    // Nothing: the text is painted by the steps.
    void Draw() override {}

    uint32_t m_blendColor = 0;
    uint32_t m_textColor = 0;
    int32_t m_offset = 0;
    int32_t m_total = 0;
    uint32_t m_interval = 0;
    uint32_t m_lastStep = 0;
    int32_t m_lineHeight = 0;
    uint32_t m_finished = 0;
    uint32_t m_holding = 0;
    uint32_t m_holdStart = 0;
    uint32_t m_running = 1;
    SStringArray m_lines{4};

private:
    void selectFont(uint32_t color) const;
    // The text colour blended towards the background by part / line height, channel by channel.
    uint32_t fadedColor(int32_t part) const;
    void drawLines();
};
