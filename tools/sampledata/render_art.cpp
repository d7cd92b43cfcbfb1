#include "tools/sampledata/render_art.h"

#include "engine/draw/picture.h"
#include "tools/sampledata/art_canvas.h"

namespace {

constexpr int kFloorSide = 256;
constexpr int kWallSide = 64;

// A small repeatable texture noise of 0 .. 7 per 2 x 2 block, so that block formats stay small.
int Grain(int x, int y) {
    uint32_t h = uint32_t(x / 2) * 73856093u ^ uint32_t(y / 2) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return int((h ^ (h >> 15)) & 7);
}

// The mark every picture carries: a red L at the top left and a letter near it.
void Mark(SArtCanvas& canvas, const char* letter, int scale) {
    const uint16_t red = ArtColour(220, 30, 30);
    canvas.Fill(0, 0, canvas.Width() / 4, 2 * scale, red);
    canvas.Fill(0, 0, 2 * scale, canvas.Height() / 4, red);
    canvas.Text(4 * scale, 4 * scale, letter, scale, ArtColour(250, 240, 60));
}

// Square flagstones of a quarter of the floor with dark joints.
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

// A ground of grain around a colour.
SArtCanvas Ground(uint16_t colour, int spread) {
    SArtCanvas canvas(kFloorSide, kFloorSide);
    canvas.Paint([&](int x, int y) { return ArtShade(colour, 100 - spread + Grain(x, y) * spread / 4); });
    return canvas;
}

// A wall drawn upright, `across` wide and `down` high, stored turned: the stored picture's x runs
// down the wall and its y across it.
SArtCanvas Turned(const SArtCanvas& upright) {
    SArtCanvas stored(upright.Height(), upright.Width());
    stored.Paint([&](int x, int y) { return upright.At(y, x); });
    return stored;
}

SArtCanvas Bricks(uint16_t brick, const char* letter) {
    SArtCanvas canvas(kWallSide, kWallSide);
    const uint16_t mortar = ArtColour(200, 190, 170);
    canvas.Paint([&](int x, int y) {
        const int row = y / 8, shift = row % 2 ? 8 : 0;
        if (y % 8 == 0 || (x + shift) % 16 == 0) return mortar;
        return ArtShade(brick, 80 + Grain(x, y) * 6);
    });
    Mark(canvas, letter, 1);
    // An arrow pointing up shows a wall drawn upside down.
    canvas.Triangle(48, 40, 56, 40, 52, 30, ArtColour(250, 240, 60));
    return canvas;
}

// The mask: bit set where the blend variant shows, one bit per 2 x 2 block of a 256 x 256 floor,
// in a band of diagonal stripes.
std::vector<uint8_t> MaskRecord() {
    std::vector<uint32_t> indices;
    for (int row = 0; row < 128; ++row) {
        for (int byte = 0; byte < 16; ++byte) {
            uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int column = byte * 8 + bit;
                if (((column + row) / 16) % 2) bits |= 0x80u >> bit;
            }
            indices.push_back(bits);
        }
    }
    std::vector<uint16_t> colours(256);
    for (int i = 0; i < 256; ++i) colours[size_t(i)] = uint16_t(i * 0x0101);
    return BuildPictureRecord(0, 16, 128, indices, colours);
}

}  // namespace

std::vector<uint8_t> RenderArtPicture(SRenderArt art) {
    const uint16_t stone = ArtColour(128, 124, 118), moss = ArtColour(70, 110, 50);
    switch (art) {
        case SRenderArt::StoneFloor: {
            SArtCanvas canvas = Flagstones(stone, moss, 0);
            Mark(canvas, "N", 4);
            return canvas.BlockRecord();
        }
        case SRenderArt::StoneBlend: {
            SArtCanvas canvas = Flagstones(ArtShade(stone, 80), moss, 7);
            Mark(canvas, "M", 4);
            return canvas.BlockRecord();
        }
        case SRenderArt::GrassFloor: {
            SArtCanvas canvas = Ground(ArtColour(70, 130, 50), 30);
            Mark(canvas, "G", 4);
            return canvas.Record();
        }
        case SRenderArt::DirtBlend: {
            SArtCanvas canvas = Ground(ArtColour(120, 90, 60), 30);
            Mark(canvas, "D", 4);
            return canvas.Record();
        }
        case SRenderArt::SandFloor: {
            SArtCanvas canvas(kFloorSide, kFloorSide);
            canvas.Paint(
                [](int x, int y) { return ArtColour(200 + Grain(x, y) * 4, 180 + (x / 2) % 16, 120 + (y / 2) % 32); });
            Mark(canvas, "S", 4);
            return canvas.BlockRecord(2);
        }
        case SRenderArt::BlendMask: return MaskRecord();
        case SRenderArt::BrickWall: return Turned(Bricks(ArtColour(150, 70, 50), "B")).Record();
        case SRenderArt::UpperWall: return Turned(Bricks(ArtColour(90, 90, 140), "U")).Record();
        case SRenderArt::PitSide: {
            SArtCanvas canvas = Ground(ArtColour(90, 80, 70), 40);
            Mark(canvas, "P", 4);
            return canvas.BlockRecord();
        }
        case SRenderArt::Ceiling: {
            SArtCanvas canvas = Flagstones(ArtColour(90, 80, 70), moss, 0);
            Mark(canvas, "C", 4);
            return canvas.BlockRecord();
        }
        case SRenderArt::UpperCeiling: {
            SArtCanvas canvas = Flagstones(ArtColour(110, 100, 130), moss, 0);
            Mark(canvas, "V", 4);
            return canvas.BlockRecord();
        }
        case SRenderArt::Canopy: {
            SArtCanvas canvas(kFloorSide, kFloorSide);
            canvas.Paint(
                [](int x, int y) { return (x / 32 + y / 32) % 2 ? ArtColour(40, 100, 40) : ArtColour(60, 140, 50); });
            Mark(canvas, "T", 4);
            return canvas.BlockRecord();
        }
    }
    return {};
}
