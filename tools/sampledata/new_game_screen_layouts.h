#pragma once
// The sample layouts of the screens between the main menu and the game: the scene screen (layout
// 7), its picture over its text (beside it on 640x240) and the speed and pause buttons along the
// bottom, and character creation (layout 16), the name, gender, race and face beside or over the
// skills, with OK and cancel at the bottom.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// The sample scene pictures are twice as wide as they are high.
constexpr int kScenePictureAspect = 2;
// The width of the edge of the scene screen's panel, which its text keeps inside.
constexpr int kScenePanelEdge = 8;

void AddNewGameScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight);
