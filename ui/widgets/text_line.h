#pragma once
// STextLine: one wrapped line of a scrolling text control, with the colour it is drawn in and
// whether it carries the paragraph's bullet. STextLineArray holds them in order; Clear drops every
// line and starts again from one grow step.
#include <cstdint>

#include "engine/base/string.h"
#include "engine/base/value_array.h"

struct STextLine {
    uint32_t bullet = 0;
    SString text;
    uint32_t colorIndex = 0;  // 0 to 2: which of the control's three colours
};

using STextLineArray = SValueArray<STextLine>;
