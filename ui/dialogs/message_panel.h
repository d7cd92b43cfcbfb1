#pragma once
// The look the message box and the choice list share: the game's message panel behind the whole
// dialog, and the gap between their caption buttons.
#include <cstdint>

class SDialog;

void DrawMessagePanel(SDialog& dialog);
// 3 pixels on the small screen types, 5 on the others.
int MessageButtonGap(uint32_t screenType);
