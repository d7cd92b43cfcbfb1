#pragma once
// The span fillers' benchmark set-ups, shared with the test that checks each of them draws every
// pixel of its 640x480 area: a set-up that silently draws nothing would time an early return.
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/setups/bench_surface.h"
#include "render/fill/fillers.h"
#include "tests/support/picture_record.h"

namespace filler_setups {

using bench_surface::kHeight;
using bench_surface::kPixels;
using bench_surface::kWidth;
using bench_surface::Surface;
constexpr uint32_t kFog = 0x0200C008;  // mid grey, spread
constexpr uint16_t kPlainShade = 255;  // factor 32
constexpr uint16_t kFogShade = 64;     // factor 16
// Format 3 stands for format-1 pictures read through their decoded colours.
constexpr int kDecoded = 3;

// A picture of random texels with none transparent, so that every filler writes every pixel:
// indices 1 to 255 (format 0) or blocks 1 to 255 of four colours, none of them the key colour. An
// overlay has half its colours clear (0xFFFF), at random.
class BenchPicture {
public:
    BenchPicture(int format, int width, int height, bool overlay = false) {
        std::mt19937 random(11);
        const int count = format == 0 ? width * height : width * height / 4;
        std::vector<uint32_t> indices(size_t(count), 0);
        for (uint32_t& index : indices) index = 1 + random() % 255;
        std::vector<uint16_t> colours(format == 0 ? 256 : 1024);
        for (uint16_t& colour : colours) colour = uint16_t(random() % 0xFFFF);
        if (overlay) {
            for (uint16_t& colour : colours) colour = random() % 2 ? colour : 0xFFFF;
        }
        m_bytes = PictureRecord(format, width, height, indices, colours);
        SReadError error;
        if (!m_picture.Read(m_bytes, error)) throw std::runtime_error(error.Message());
        SetTextureFromPicture(m_texture, m_picture);
    }
    const SPicture& Picture() const { return m_picture; }
    const SRenderTexture& Texture() const { return m_texture; }
    // Lets the fillers that can read them use the picture's decoded colours.
    void Decode() {
        m_decoded.Update(m_picture, SColourSource::OwnTable);
        UseDecodedColours(m_texture, m_decoded);
    }

private:
    std::vector<uint8_t> m_bytes;
    SPicture m_picture;
    SRenderTexture m_texture;
    SDecodedPicture m_decoded;
};

// The whole area as one quad, clockwise from its top left: uvs gives (s, t) at each corner.
struct Quad {
    std::array<SRenderVertex, 4> vertices = {SRenderVertex{0, 0, 1024},
                                             {kWidth * 16, 0, 1024},
                                             {kWidth * 16, kHeight * 16, 1024},
                                             {0, kHeight * 16, 1024}};
    std::array<SRenderUv, 4> uvs;
    std::array<uint16_t, 4> shades;

    Quad(std::array<SRenderUv, 4> corners, bool fog) : uvs(corners) { shades.fill(fog ? kFogShade : kPlainShade); }
    SFillPolygon Polygon() const { return {4, vertices.data(), uvs.data(), shades.data()}; }
};

// At one texel per pixel. Upright pictures: s across, t down. Turned pictures (walls): t across, s
// down.
constexpr std::array<SRenderUv, 4> kUpright = {SRenderUv{0, 0},
                                               {kWidth * 16, 0},
                                               {kWidth * 16, kHeight * 16},
                                               {0, kHeight * 16}};
constexpr std::array<SRenderUv, 4> kTurned = {SRenderUv{0, 0},
                                              {0, kWidth * 16},
                                              {kHeight * 16, kWidth * 16},
                                              {kHeight * 16, 0}};
// Floor textures are 256 texels wide, so a row of 640 pixels shows 256 texels (and a turned
// texture 640 rows across the area).
constexpr std::array<SRenderUv, 4> kFloorUpright = {SRenderUv{0, 0},
                                                    {4096, 0},
                                                    {4096, kHeight * 16},
                                                    {0, kHeight * 16}};
constexpr std::array<SRenderUv, 4> kFloorTurned = {SRenderUv{0, 0}, {0, kWidth * 16}, {4096, kWidth * 16}, {4096, 0}};

// One set-up drawn once over the whole area.
using Draw = std::function<void(const SRasterTarget&)>;

// A filler's set-ups: one per format and fog variant. Prepare builds the pictures and the quad
// and returns the drawing, which owns them.
struct FillerSetup {
    std::string name;
    std::vector<int> formats;
    bool hasFog = true;
    std::function<Draw(int format, bool fog)> prepare;
};

using Filler = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t);

inline FillerSetup PictureFiller(std::string name, Filler filler, bool turned) {
    return {std::move(name), {0, 1, 2}, true, [filler, turned](int format, bool fog) -> Draw {
                auto picture =
                    std::make_shared<BenchPicture>(format, turned ? kHeight : kWidth, turned ? kWidth : kHeight);
                auto quad = std::make_shared<Quad>(turned ? kTurned : kUpright, fog);
                return [=](const SRasterTarget& target) { filler(target, quad->Polygon(), picture->Texture(), kFog); };
            }};
}

inline void WallOverlay(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                        uint32_t fog) {
    DrawPolyWallOverlay(target, polygon, texture, texture, fog);
}

// Masks hold random bits, with a mask row for every two texture rows; overlays are half clear, so
// that every choice is taken often.
struct FloorSet {
    FloorSet(int format, bool turned)
        : a(stored(format), 256, rows(turned)),
          b(stored(format), 256, rows(turned)),
          c(stored(format), 256, rows(turned)),
          overlay(stored(format), 256, rows(turned), true),
          mask1(0, 16, rows(turned) / 2),
          mask2(0, 16, rows(turned) / 2) {
        if (format != kDecoded) return;
        for (BenchPicture* picture : {&a, &b, &c, &overlay}) picture->Decode();
    }
    static int stored(int format) { return format == kDecoded ? 1 : format; }
    static int rows(bool turned) { return turned ? kWidth : kHeight; }

    BenchPicture a, b, c, overlay, mask1, mask2;
};

template <int kType, auto kFiller>
void DrawFloor(const SRasterTarget& target, const SFillPolygon& polygon, const FloorSet& set) {
    const SRenderTexture &a = set.a.Texture(), &b = set.b.Texture(), &c = set.c.Texture();
    const SRenderTexture &overlay = set.overlay.Texture(), &mask1 = set.mask1.Texture(), &mask2 = set.mask2.Texture();
    if constexpr (kType == 2) {
        kFiller(target, polygon, a, b, mask1, kFog);
    } else if constexpr (kType == 3) {
        kFiller(target, polygon, a, b, c, mask1, mask2, kFog);
    } else if constexpr (kType == 4) {
        kFiller(target, polygon, a, overlay, kFog);
    } else if constexpr (kType == 5) {
        kFiller(target, polygon, a, b, overlay, mask1, kFog);
    } else {
        kFiller(target, polygon, a, kFog);
    }
}

// Turned: v across the area.
template <int kType, auto kFiller, bool kTurned>
FillerSetup FloorFiller(std::string name) {
    return {std::move(name), {0, 1, 2, kDecoded}, true, [](int format, bool fog) -> Draw {
                auto set = std::make_shared<FloorSet>(format, kTurned);
                auto quad = std::make_shared<Quad>(kTurned ? kFloorTurned : kFloorUpright, fog);
                return [=](const SRasterTarget& target) { DrawFloor<kType, kFiller>(target, quad->Polygon(), *set); };
            }};
}

inline std::vector<FillerSetup> FillerSetups() {
    std::vector<FillerSetup> setups = {
        {"Flat",
         {0},
         false,
         [](int, bool) -> Draw {
             auto quad = std::make_shared<Quad>(kUpright, false);
             return [=](const SRasterTarget& target) { DrawPolyFlat(target, quad->Polygon(), 0x5A5A); };
         }},
        PictureFiller("Wall", DrawPolyWall, true),
        PictureFiller("WallOverlay", WallOverlay, true),
        PictureFiller("SideFace", DrawPolySideFace, true),
        PictureFiller("Type14", DrawPolyType14, false),
        PictureFiller("Type13", DrawPolyType13, false),
        PictureFiller("Sky", DrawPolySky, false),
        PictureFiller("Billboard", DrawPolyBillboard, false),
        // The rotated picture has no fog.
        {"RotatedPicture",
         {0, 1, 2},
         false,
         [](int format, bool) -> Draw {
             auto picture = std::make_shared<BenchPicture>(format, kWidth, kHeight);
             auto quad = std::make_shared<Quad>(kUpright, false);
             return [=](const SRasterTarget& target) {
                 DrawQuadKeyedAffine(target, quad->vertices, picture->Texture(), quad->uvs);
             };
         }},
        FloorFiller<1, DrawPolyFloor1NS, false>("Floor1NS"),
        FloorFiller<2, DrawPolyFloor2NS, false>("Floor2NS"),
        FloorFiller<3, DrawPolyFloor3NS, false>("Floor3NS"),
        FloorFiller<4, DrawPolyFloor4NS, false>("Floor4NS"),
        FloorFiller<5, DrawPolyFloor5NS, false>("Floor5NS"),
        FloorFiller<1, DrawPolyFloor1EW, true>("Floor1EW"),
        FloorFiller<2, DrawPolyFloor2EW, true>("Floor2EW"),
        FloorFiller<3, DrawPolyFloor3EW, true>("Floor3EW"),
        FloorFiller<4, DrawPolyFloor4EW, true>("Floor4EW"),
        FloorFiller<5, DrawPolyFloor5EW, true>("Floor5EW"),
        FloorFiller<1, DrawPolyFloor1Free, false>("Floor1Free"),
        FloorFiller<2, DrawPolyFloor2Free, false>("Floor2Free"),
        FloorFiller<3, DrawPolyFloor3Free, false>("Floor3Free"),
        FloorFiller<4, DrawPolyFloor4Free, false>("Floor4Free"),
        FloorFiller<5, DrawPolyFloor5Free, false>("Floor5Free"),
        FloorFiller<10, DrawPolyType10, false>("Type10"),
    };
    return setups;
}

// The name a set-up's benchmark and test case go by: the filler, then its format and fog variant.
inline std::string CaseName(const FillerSetup& setup, int format, bool fog) {
    std::string name = setup.name + "/format:" + std::to_string(format);
    if (setup.hasFog) name += fog ? "/fog:1" : "/fog:0";
    return name;
}

}  // namespace filler_setups
