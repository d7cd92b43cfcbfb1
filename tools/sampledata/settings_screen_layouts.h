#pragma once
// The sample layouts of the screens the main menu opens over itself: the settings screen (layout
// 46) and the add-on worlds screen (layout 47), both covering the screen. Tall screens stack
// everything in one column; wide ones put the key rows in a column of their own on the right.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

void AddSettingsScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height);
