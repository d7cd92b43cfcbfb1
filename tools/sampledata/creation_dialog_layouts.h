#pragma once
// The sample layouts of the dialogs centred on the screen: 17 the keyboard, 10 the skill choice,
// 9 the class choice, 18 the race choice, 6 the face select and 4 training, sized for each screen
// mode from its screen and the height of its text.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// Adds the mode's block to each of the six dialogs, making a dialog's entry on first use.
void AddCreationDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                            int fontHeight);
