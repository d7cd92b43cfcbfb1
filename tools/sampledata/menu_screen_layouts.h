#pragma once
// The sample layouts of the screens on the way into the game: the splash screen (layout 2), the
// logo a third of the way down and the text under it, both centred; and the main menu (layout 3),
// whose pictures and list place the loading dialog too.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// fontHeight: of font 1, which the loading caption and the menu's version text are drawn in.
void AddMenuScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight);
