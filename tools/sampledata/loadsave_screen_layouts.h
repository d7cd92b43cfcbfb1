#pragma once
// The sample layouts of the load and save screen (layout 11) and the death screen (layout 13),
// both covering the screen. The load and save screen puts its title across the top with the back
// button at its right end and the four slot rows below, each a frame around the 80 x 50 thumbnail
// and the two lines of text beside it; its action and remove buttons go along the bottom, or in
// a column at the right where the screen is too short for them under the rows. The death screen
// stacks its three pictures, the epitaph and the button in the middle of the screen.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddLoadSaveScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height);
