#pragma once
// The page buttons of a list or a grid that shows `perPage` entries from `top` on: a page up
// never goes before the first entry, a page down only while entries remain past the page, and
// each button is offered only where it would move the page.
#include <algorithm>
#include <cstdint>

struct SListPaging {
    int32_t top = 0;
    int32_t perPage = 0;
    int32_t count = 0;

    bool CanPageUp() const { return top > 0; }
    bool CanPageDown() const { return perPage > 0 && top + perPage < count; }
    // Where the page starts after the move; the screens select that entry.
    int32_t TopAfterPageUp() const { return std::max(top - perPage, 0); }
    int32_t TopAfterPageDown() const { return CanPageDown() ? top + perPage : top; }
};
