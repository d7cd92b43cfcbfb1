#pragma once
// SPendingRaises: what the raises on a character sheet took since the sheet was last rebuilt, so
// that its undo gives exactly that back; a rebuild forgets them, and the raises become final.
#include <array>
#include <cstddef>
#include <cstdint>

template <size_t N>
struct SPendingRaises {
    // Sixteen bits, so that more than 255 raises between two rebuilds still undo exactly.
    uint16_t spent = 0;
    std::array<uint16_t, N> raises{};

    void Record(size_t index, uint32_t cost) {
        spent = uint16_t(spent + cost);
        ++raises[index];
    }
    bool Any() const { return spent != 0; }
    void Clear() { *this = SPendingRaises(); }
};
