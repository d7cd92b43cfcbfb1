#pragma once
// The sample layouts of the inventory's character page (layouts 36, 37, 41, 40 and 39) over the
// inventory's frame: the header with the portrait, the name, its two buttons and the sub-page
// tabs; the Main sheet's rows of values with the attribute and resistance blocks; the Skills
// sheet's primary skills beside the other skills. Wide screens put the blocks in a column of their
// own; whatever a screen has no room for is left out.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddCharacterScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight);
