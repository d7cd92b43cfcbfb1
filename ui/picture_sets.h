#pragma once
// The picture sets widgets draw from. Each holds pointers to the game's interface pictures (or to
// pictures a test made), never owning them; a missing picture is null and draws nothing.
#include <array>

struct SPictureEntry;

// Nine pieces: top-left, left, bottom-left, top, centre, bottom, top-right, right, bottom-right.
using SFrameSet = std::array<const SPictureEntry*, 9>;
// Three pieces: left cap, middle, right cap.
using SBarSet = std::array<const SPictureEntry*, 3>;
// A button's pictures: normal, pressed, disabled. Every picture set of the interface holds up to
// three; where a screen hands a button only two, the disabled one stays null.
using SPictureSet = std::array<const SPictureEntry*, 3>;

// The size of a picture; 0 for none or one not loaded.
int PictureWidth(const SPictureEntry* picture);
int PictureHeight(const SPictureEntry* picture);
