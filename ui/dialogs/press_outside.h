#pragma once
// The dialogs that close on a tap beside them (the spell book, the potions) ask this.
#include <cstdint>

#include "ui/dialog.h"

// A pen-down outside the dialog's rectangle while no child of it is open.
inline bool IsPressOutside(const SDialog& dialog, int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    const bool outside = x < dialog.m_x || x >= dialog.m_x + dialog.m_w || y < dialog.m_y ||
                         y >= dialog.m_y + dialog.m_h;
    return down != 0 && drag == 0 && outside && dialog.m_child == nullptr;
}
