#pragma once
// SExploredMap: which cells of a map the player has seen, one bit a cell (bit x mod 8 of byte x / 8
// of its row), as the automap draws them and saved games keep them.
#include <cstdint>
#include <vector>

class SArchive;

class SExploredMap {
public:
    // The kinds of the saved form.
    static constexpr uint8_t kNothing = 0;
    static constexpr uint8_t kEverything = 1;
    static constexpr uint8_t kMixed = 2;  // followed by the bitmap

    // A cleared bitmap of the map's size.
    void Resize(int width, int height);
    int RowBytes() const { return (m_width + 7) / 8; }

    void Set(int x, int y);
    // False outside the map.
    bool IsSet(int x, int y) const;
    // Every cell of the map; the bits past the last column stay clear, so that a map explored
    // cell by cell and one explored at once save alike.
    void SetAll();
    void Clear();

    // The saved form: the kind, and for kMixed the rows. Writing picks the kind from the cells.
    // False when a read kind is none of the three.
    bool Serialize(SArchive& archive);

private:
    bool all(bool set) const;
    uint8_t rowMask(int byte) const;

    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_bits;
};
