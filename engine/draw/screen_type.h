#pragma once
// The screen types the game lays out by: small (2, 5, 6, 7, 8, 12, 13, 16), large (9, 10, 11, 14,
// 15), and in between (1, 3, 4). The screen type is the game's screen mode. This is the one place
// the fonts, the card pictures, the widgets and the dialogs ask; a description that gives its own
// grouping in a table (item cells, the paper doll, the automap) keeps its table. Not to be
// confused with IsLargeScreenMode, which chooses the interface pictures of a screen mode.
#include <cstdint>

bool IsSmallScreenType(uint32_t screenType);
bool IsLargeScreenType(uint32_t screenType);
