#pragma once
// SFillColorCtrl: its rectangle in one colour. It takes no input unless the owner sets the stylus
// bit; then a pen-down on it, or one pixel left of it, answers its id.
#include <cstdint>

#include "ui/ctrl.h"

class SFillColorCtrl : public SCtrl {
public:
    void SetColor(uint32_t color);
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    uint32_t m_color = 0;  // a colour word
};
