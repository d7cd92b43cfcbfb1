#include "tools/sampledata/plain_textures.h"

namespace plain_textures {

int Grain(int x, int y) {
    uint32_t h = uint32_t(x / 2) * 73856093u ^ uint32_t(y / 2) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return int((h ^ (h >> 15)) & 7);
}

SArtCanvas Flagstones(uint16_t stone, uint16_t moss, int mossEvery) {
    SArtCanvas canvas(kFloorSide, kFloorSide);
    const uint16_t joint = ArtShade(stone, 45);
    canvas.Paint([&](int x, int y) {
        if (x % 64 < 2 || y % 64 < 2) return joint;
        const int g = Grain(x, y);
        if (mossEvery && (x / 2 + y / 2) % mossEvery < 3 && g > 3) return moss;
        return ArtShade(stone, 85 + g * 4);
    });
    return canvas;
}

SArtCanvas Ground(uint16_t colour, int spread) {
    SArtCanvas canvas(kFloorSide, kFloorSide);
    canvas.Paint([&](int x, int y) { return ArtShade(colour, 100 - spread + Grain(x, y) * spread / 4); });
    return canvas;
}

SArtCanvas Bricks(uint16_t brick, uint16_t mortar) {
    SArtCanvas canvas(kWallSide, kWallSide);
    canvas.Paint([&](int x, int y) {
        const int row = y / 8, shift = row % 2 ? 8 : 0;
        if (y % 8 == 0 || (x + shift) % 16 == 0) return mortar;
        return ArtShade(brick, 80 + Grain(x, y) * 6);
    });
    return canvas;
}

SArtCanvas Turned(const SArtCanvas& upright) {
    SArtCanvas stored(upright.Height(), upright.Width());
    stored.Paint([&](int x, int y) { return upright.At(y, x); });
    return stored;
}

}  // namespace plain_textures
