#pragma once
// The sample layouts of the tool dialogs: 29 the smith's repair shop, 5 self-repair, 12 lock
// picking, 38 alchemy, 31 a book's pages and 32 a letter's, sized for each screen mode from its
// screen and its 3-D view.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// Adds the mode's block to each of the six dialogs, making a dialog's entry on first use.
void AddToolDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                        const SLayoutRow& view);
