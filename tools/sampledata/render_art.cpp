#include "tools/sampledata/render_art.h"

#include "engine/draw/picture.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/plain_textures.h"

namespace {

using plain_textures::Flagstones;
using plain_textures::Grain;
using plain_textures::Ground;
using plain_textures::kFloorSide;
using plain_textures::Turned;

// The mark every picture carries: a red L at the top left and a letter near it.
void Mark(SArtCanvas& canvas, const char* letter, int scale) {
    const uint16_t red = ArtColour(220, 30, 30);
    canvas.Fill(0, 0, canvas.Width() / 4, 2 * scale, red);
    canvas.Fill(0, 0, 2 * scale, canvas.Height() / 4, red);
    canvas.Text(4 * scale, 4 * scale, letter, scale, ArtColour(250, 240, 60));
}

// Bricks marked to show a wall drawn turned, mirrored or upside down (the arrow points up).
SArtCanvas MarkedBricks(uint16_t brick, const char* letter) {
    SArtCanvas canvas = plain_textures::Bricks(brick, ArtColour(200, 190, 170));
    Mark(canvas, letter, 1);
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
        case SRenderArt::BrickWall: return Turned(MarkedBricks(ArtColour(150, 70, 50), "B")).Record();
        case SRenderArt::UpperWall: return Turned(MarkedBricks(ArtColour(90, 90, 140), "U")).Record();
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
