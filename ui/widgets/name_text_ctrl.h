#pragma once
// SNameTextCtrl: a label and a value drawn side by side, 10 pixels apart, the pair centred in the
// control. Like STextCtrl it does not clear its rectangle.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/ctrl.h"

class SNameTextCtrl : public SCtrl {
public:
    static constexpr int kGap = 10;

    void SetDefaults();
    // A null text leaves it as it was.
    void SetLabel(const char* text);
    void SetValue(const char* text);
    void Draw() override;

    SString m_label;
    SString m_value;
    uint32_t m_font = 1;
    uint32_t m_labelColor = 0;
    uint32_t m_valueColor = 0;
    uint32_t m_blendColor = 0;
};
