#pragma once
// The sample layout of the play screen (dialog 43) for a screen mode: the 3-D view (row 550) and,
// in the band the view leaves below it or beside it, the control panel with the portrait, the two
// bars, the four action buttons, the compass, the six movement buttons and the automap.
#include "game/layout_record.h"

SLayoutMode PlayScreenLayout(uint16_t mode, int screenWidth, int screenHeight, const SLayoutRow& view);
