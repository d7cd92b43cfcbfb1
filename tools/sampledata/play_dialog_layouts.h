#pragma once
// The sample layouts of the play screen's dialogs: 1 the rest scene, 19 the spell book, 20 the
// potions, 21 the voyage scene and 22 mark and recall, sized for each screen mode from its screen
// and its 3-D view.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// Adds the mode's block to each of the five dialogs, making a dialog's entry on first use.
void AddPlayDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                        const SLayoutRow& view);
