#pragma once
// SListRow: one row of a list control: the text shown, a second text kept for the owner (the key
// a choice answers with), a command or item id, a value whose low byte picks the row's picture in
// the right-hand column, and that column's text. SListRowArray holds them in order; Clear drops
// every row and starts again from one grow step.
#include <cstdint>

#include "engine/base/string.h"
#include "engine/base/value_array.h"

struct SListRow {
    SString text;
    SString key;
    uint32_t id = 0;
    uint32_t value = 0;
    SString side;
};

using SListRowArray = SValueArray<SListRow>;
