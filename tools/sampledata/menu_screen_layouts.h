#pragma once
// The sample layouts of the screens on the way into the game: the splash screen (layout 2), the
// logo a third of the way down and the text under it, both centred.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddMenuScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height);
