// Picture records: the check that lets drawing read without further checks, then every 2-D pixel
// loop drawing the checked picture, with its own colours and with a palette resource, and a font
// strip's glyph loop. The input's last eight bytes also give the source place and size.
#include <vector>

#include "engine/base/byte_order.h"
#include "engine/draw/picture.h"
#include "engine/draw/pixel_loops.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

void drawAll(const SPicture& picture, const int16_t (&place)[4]) {
    std::vector<uint16_t> pixels(kWidth * kHeight);
    SRasterTarget target;
    target.Set(pixels.data(), kWidth, kHeight, kWidth, 0);
    const int sourceX = place[0], sourceY = place[1], w = place[2], h = place[3];
    SPixelLoops::BlitKeyedRaw(target, picture, 0, 0, sourceX, sourceY, w, h);
    SPixelLoops::BlitOpaqueRaw(target, picture, -3, 5, sourceX, sourceY, w, h);
    SPixelLoops::BlitKeyedMirroredRaw(target, picture, 2, -1, w, h);
    SPixelLoops::BlitBlendRaw(target, picture, 1, 1, sourceY, w, h);
    SPixelLoops::BlitScaledRaw(target, picture, 0, 0, w, h, kWidth + 7, kHeight - 5);
    SPixelLoops::BlitShrink40Raw(target, picture, 3, 3);
    SPixelLoops::BlitShrink30Raw(target, picture, 3, 3);
    SPixelLoops::BlitShrink20Raw(target, picture, 3, 3);
    if (picture.Format() == 0)
        SPixelLoops::DrawGlyphRaw(target, 4, 4, sourceX, w, picture, SShades{0x1111, 0x2222, 0x3333});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of the exact size, so that the sanitizer sees any read past the record.
    const std::vector<uint8_t> record(data, data + size);
    int16_t place[4] = {0, 0, 32, 32};
    if (size >= 8)
        for (int i = 0; i < 4; ++i) place[i] = int16_t(ReadLE16(data + size - 8 + 2 * i));

    SPicture picture;
    SReadError error;
    if (!picture.Read(record, error)) return 0;
    drawAll(picture, place);
    // The first half of the record as a palette resource.
    const std::vector<uint8_t> palette(data, data + size / 2);
    if (picture.UsePalette(palette, error)) drawAll(picture, place);
    return 0;
}
