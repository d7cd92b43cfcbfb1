#pragma once
// Clearing only what nothing opaque is drawn over afterwards: an area but the rectangles inside it
// that pictures, cells or whole controls cover anyway.
#include <cstdint>
#include <span>

class SDisplay;

// A rectangle of the screen by its edges: left and top inside it, right and bottom just outside.
struct SScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return left >= right || top >= bottom; }
};

// Fills `area` but the parts of it that any of the holes covers; the holes may overlap.
void FillAround(SDisplay& display, const SScreenBox& area, std::span<const SScreenBox> holes, uint16_t colour);
