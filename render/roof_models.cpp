#include "render/roof_models.h"

#include <array>

#include "render/render.h"

namespace {

// The slope's length is 500 units: t runs over its 125 texels, s 256 texels along a side.
constexpr int32_t kSlopeT = 1999;
constexpr int kMaxFaces = 8;  // four mitred sides, or four open corners of two triangles each

// The sides clockwise from north, each with its neighbour's bit and the bit of the corner that
// follows it clockwise.
constexpr uint8_t kSideBits[4] = {wall_mask::kNorth, wall_mask::kEast, wall_mask::kSouth, wall_mask::kWest};
constexpr uint8_t kCornerBits[4] = {wall_mask::kNorthEast, wall_mask::kSouthEast, wall_mask::kSouthWest,
                                    wall_mask::kNorthWest};

// A point given as if its side were the north side, with that side's texture mapping, turned
// clockwise by quarter turns to the side it belongs to.
SRoofCorner Turned(int32_t x, int32_t y, int quarterTurns) {
    SRoofCorner corner{x, y * kRoofRidgeHeight / kRoofRidgeInset, y, x * 4, y * kSlopeT / kRoofRidgeInset};
    if (corner.height > kRoofRidgeHeight) corner.height = kRoofRidgeHeight;
    for (int i = 0; i < quarterTurns; ++i) {
        const int32_t turnedX = SRender::kCellSize - corner.y;
        corner.y = corner.x;
        corner.x = turnedX;
    }
    return corner;
}

struct SModelTable {
    std::array<SRoofFace, kWallVariantCount * kMaxFaces> faces{};
    std::array<int, kWallVariantCount> first{};
    std::array<int, kWallVariantCount> count{};
    int used = 0;

    void add(std::initializer_list<SRoofCorner> corners) {
        SRoofFace& face = faces[size_t(used++)];
        for (const SRoofCorner& corner : corners) face.corners[face.count++] = corner;
    }

    // The faces of one mask, built as north-side faces turned to each side in turn.
    void build(int model, uint8_t mask) {
        first[size_t(model)] = used;
        for (int side = 0; side < 4; ++side) {
            const bool open = !(mask & kSideBits[side]);
            const bool nextOpen = !(mask & kSideBits[(side + 1) % 4]);
            const bool previousOpen = !(mask & kSideBits[(side + 3) % 4]);
            if (open) {
                const int32_t right = nextOpen ? SRender::kCellSize - kRoofRidgeInset : SRender::kCellSize;
                const int32_t left = previousOpen ? kRoofRidgeInset : 0;
                add({Turned(0, 0, side), Turned(SRender::kCellSize, 0, side), Turned(right, kRoofRidgeInset, side),
                     Turned(left, kRoofRidgeInset, side)});
            }
            if (open || nextOpen || (mask & kCornerBits[side])) continue;
            // The corner after this side is open while both sides beside it are closed: a valley
            // of two triangles, one in this side's slope and one in the next side's.
            constexpr int32_t kInner = SRender::kCellSize - kRoofRidgeInset;
            add({Turned(SRender::kCellSize, 0, side), Turned(SRender::kCellSize, kRoofRidgeInset, side),
                 Turned(kInner, kRoofRidgeInset, side)});
            add({Turned(0, 0, side + 1), Turned(kRoofRidgeInset, kRoofRidgeInset, side + 1),
                 Turned(0, kRoofRidgeInset, side + 1)});
        }
        count[size_t(model)] = used - first[size_t(model)];
    }

    SModelTable() {
        for (int model = 0; model < kWallVariantCount; ++model) {
            uint8_t mask = 255;
            if (!MaskOfWallVariant(model, mask)) mask = 255;
            build(model, mask);
        }
    }
};

}  // namespace

std::span<const SRoofFace> RoofModel(int model) {
    static const SModelTable table;
    if (model < 0 || model >= kWallVariantCount) return {};
    return {table.faces.data() + table.first[size_t(model)], size_t(table.count[size_t(model)])};
}
