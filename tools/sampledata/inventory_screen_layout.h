#pragma once
// The sample layout of the inventory's items page (layout 33), covering the screen: the page tabs
// with the main-menu and close buttons across the top, the item grid at its size for the mode, the
// paper doll, the category tabs and the page's buttons, the status and the description panel.
// Tall screens put the doll and a column of controls under the grid; wide ones put the grid on the
// left and everything else beside it.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddInventoryScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight);

// The frame of a page over the whole screen: the page tabs with the main-menu and close buttons
// across the top, the page's frames, and the status at the right under them; the journal's pages
// (quests, spells) build on it.
SLayoutMode InventoryFramePageLayout(uint16_t mode, int width, int height, int fontHeight);
