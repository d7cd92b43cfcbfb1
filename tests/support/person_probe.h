#pragma once
// Looks for a person in the play screen's drawn 3-D view by the person's own colour: the pixels
// near that colour in the part of the view where someone standing straight ahead of the player is
// drawn, the middle third of the view's width below the sky (the lower three fifths of its height).
#include <cstdint>

class UiRig;
struct SViewDescriptor;

// How many pixels of the last presented frame lie within `tolerance` (in 8-bit steps, on each of
// red, green and blue) of the RGB565 colour in that band of the view.
int CountPersonColourAhead(const UiRig& rig, const SViewDescriptor& view, uint16_t colour, int tolerance = 24);
