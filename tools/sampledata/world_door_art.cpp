#include "tools/sampledata/world_door_art.h"

#include "tools/sampledata/plain_textures.h"

namespace world_door_art {

namespace {

const uint16_t kStone = ArtColour(150, 144, 134);
const uint16_t kMortar = ArtColour(84, 78, 70);
const uint16_t kWood = ArtColour(128, 84, 44);
const uint16_t kIron = ArtColour(64, 64, 72);
const uint16_t kPaint = ArtColour(236, 226, 196);

// A board hung by two chains from an iron arm.
SArtCanvas board() {
    SArtCanvas canvas(64, 48);
    canvas.Line(0, 4, 64, 4, 3, kIron);
    for (int x : {12, 51}) canvas.Line(x, 4, x, 12, 1, kIron);
    canvas.Fill(6, 12, 52, 34, ArtShade(kWood, 60));
    canvas.Fill(7, 13, 50, 32, kWood);
    return canvas;
}

}  // namespace

SArtCanvas DoorFrame() {
    SArtCanvas canvas(kFrameWidth, kFrameHeight);
    const int openLeft = kLeafLeft, openRight = kLeafLeft + kLeafWidth;
    canvas.Paint([&](int x, int y) {
        if (x >= openLeft && x < openRight && y >= kLintel) return SArtCanvas::kClear;
        // Blocks twice as wide as high, every other course shifted by half a block.
        const int course = y / 12, shift = course % 2 ? 12 : 0;
        if (y % 12 == 0 || (x + shift) % 24 == 0) return kMortar;
        return ArtShade(kStone, 88 + plain_textures::Grain(x, y) * 3);
    });
    // Jambs and lintel a shade darker where they meet the leaf.
    canvas.Fill(openLeft - 3, kLintel - 3, 3, kFrameHeight - kLintel + 3, ArtShade(kStone, 70));
    canvas.Fill(openRight, kLintel - 3, 3, kFrameHeight - kLintel + 3, ArtShade(kStone, 70));
    canvas.Fill(openLeft - 3, kLintel - 3, kLeafWidth + 6, 3, ArtShade(kStone, 70));
    return canvas;
}

SArtCanvas DoorLeaf() {
    SArtCanvas canvas(kLeafWidth, kFrameHeight);
    canvas.Paint([&](int x, int y) {
        if (y < kLintel) return SArtCanvas::kClear;
        if (x % 20 == 0) return ArtShade(kWood, 60);
        return ArtShade(kWood, 84 + plain_textures::Grain(x, y * 4) * 4);
    });
    for (int y : {kLintel + 18, kFrameHeight - 26}) canvas.Fill(0, y, kLeafWidth, 7, kIron);
    canvas.Disc(kLeafWidth - 16, (kLintel + kFrameHeight) / 2, 6, kIron);
    canvas.Disc(kLeafWidth - 16, (kLintel + kFrameHeight) / 2, 3, ArtShade(kWood, 60));
    return canvas;
}

SArtCanvas Steps(bool down) {
    SArtCanvas canvas(kLeafWidth, kFrameHeight, ArtColour(16, 14, 14));
    canvas.Fill(0, 0, kLeafWidth, kLintel, SArtCanvas::kClear);
    // Each step nearer the viewer is wider and, going up, lower; going down, the nearer steps lie
    // higher and the far ones fade into the dark.
    constexpr int kSteps = 6;
    for (int k = 0; k < kSteps; ++k) {
        const int inset = (kSteps - 1 - k) * 8, rise = 14;
        const int top = down ? kLintel + 60 + k * 12 : kFrameHeight - (kSteps - k) * rise;
        const int shade = down ? 40 + k * 12 : 60 + k * 8;
        canvas.Fill(inset, top, kLeafWidth - 2 * inset, rise, ArtShade(kStone, shade));
        canvas.Fill(inset, top, kLeafWidth - 2 * inset, 2, ArtShade(kStone, shade + 25));
    }
    return canvas;
}

SArtCanvas Sign() {
    SArtCanvas canvas = board();
    for (int y = 19; y < 42; y += 7) canvas.Line(13, y, 50 - (y % 3) * 6, y, 2, kPaint);
    return canvas;
}

SArtCanvas InnSign() {
    SArtCanvas canvas = board();
    canvas.Text(32 - SArtCanvas::TextWidth("INN", 2) / 2, 16, "INN", 2, kPaint);
    // Along the wall to the counter on its right.
    canvas.Line(16, 38, 44, 38, 2, kPaint);
    canvas.Triangle(44, 34, 44, 42, 50, 38, kPaint);
    return canvas;
}

}  // namespace world_door_art
