#pragma once
// SCtrlMessageButton: the caption-on-a-bar button of message boxes and choice lists. It is sized
// by its caption, answers no key, and reacts to the stylus whether or not it is enabled.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/ctrl.h"
#include "ui/picture_sets.h"

class SCtrlMessageButton : public SCtrl {
public:
    SCtrlMessageButton();

    // Width: the caption's (wrapped at 100 pixels in font 1) + 40; height: the pressed bar's.
    // Visible and active, not yet placed.
    void Setup(const char* caption, uint32_t command, const SBarSet& barDown, const SBarSet& barUp);
    // At (0, 0) on the game's message-button bars; width the caption's + 26 on the small screen
    // types, + 40 on the others.
    void SetupDefault(const char* caption, uint32_t command);

    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    SBarSet m_barDown{};
    SBarSet m_barUp{};
    SString m_caption;
    uint32_t m_command = 0;

private:
    void setup(const char* caption, uint32_t command, const SBarSet& barDown, const SBarSet& barUp, int margin);
};
