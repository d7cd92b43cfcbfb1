#pragma once
// The sample layouts of the card duel: the card table (layout 14), which covers the screen, and the
// bet dialog (layout 15), centred on it.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddCardScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height);
