#pragma once
// Generated pictures for the interface package. Each role of the interface kit gets pictures drawn
// at a size and look that fit it, for the small and the large screens: buttons with a readable
// glyph, frame sets with corners and edges, bars with caps, the hit-point bars as long as the bars
// cut them, 50x50 portraits. Records no role names get a plain bevelled tile.
#include <cstdint>
#include <vector>

#include "game/interface_roles.h"

// The height of the text buttons' bar pictures on the small or the large screens: a layout gives
// such a button this height, so that its bar is drawn once and its caption sits inside it.
int TextButtonBarHeight(bool large);
// The width of the border of the large frame set, which the screens frame their panels with on
// every screen type but the small ones: a text placed in such a frame starts inside it.
int LargeFrameBorder(bool large);
// The height of the compass strip's pictures, and the width of the small frame set's border.
int CompassHeight(bool large);
int SmallFrameBorder();
// The picture record of the index-th picture of a role on the small or the large screens.
std::vector<uint8_t> RolePicture(SInterfaceRole role, int index, bool large);
// The plain tile for a record no role names: its hue follows the id, so that neighbouring pieces
// can be told apart on screen.
std::vector<uint8_t> InterfacePicture(uint16_t recordId);
