#include "tools/sampledata/interface_art.h"

#include "engine/draw/picture.h"

namespace {
constexpr int kSize = 16;

// Indices: 0 light edge, 1 face, 2 dark edge, 3 outline.
uint32_t bevelIndex(int x, int y) {
    if (x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1) return 3;
    if (x == 1 || y == 1) return 0;
    if (x == kSize - 2 || y == kSize - 2) return 2;
    return 1;
}
}  // namespace

std::vector<uint8_t> InterfacePicture(uint16_t recordId) {
    std::vector<uint32_t> indices(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) indices[size_t(y) * kSize + x] = bevelIndex(x, y);
    // Earthy hues that drift with the record id.
    const int hue = (recordId * 37) % 96;
    const int red = 90 + hue, green = 70 + hue / 2, blue = 40 + hue / 3;
    const uint16_t colours[] = {MakeColor565(red + 60, green + 60, blue + 60), MakeColor565(red, green, blue),
                                MakeColor565(red / 2, green / 2, blue / 2), MakeColor565(16, 12, 8)};
    return BuildPictureRecord(0, kSize, kSize, indices, colours);
}
