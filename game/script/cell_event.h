#pragma once
// SGridPlace and SCellEvent: where on the play screen's grid a script's object stands, and a cell
// that a script changed, which the play screen builds again once the script is over.
#include <cstdint>

class SMap;

struct SGridPlace {
    int32_t x = -1;  // column and row of the 35 x 35 grid; -1 for none
    int32_t y = -1;
    int32_t side = -1;  // -1 the cell itself, 0 to 3 a side
    int32_t layer = 1;  // 1 the grid's cells, 2 their second-layer companions

    bool operator==(const SGridPlace&) const = default;
};

struct SCellEvent {
    SMap* map = nullptr;
    SGridPlace place;

    bool operator==(const SCellEvent&) const = default;
};
