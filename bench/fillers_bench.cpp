// The 3-D fillers over a 640x480 area, each in its plain and its fog variant and in the three
// texel formats, against a plain paletted copy of the same 307,200 pixels: each pixel a format-0
// texel looked up in a 256-colour table and stored through the same surface. Read the ratio of a
// filler's time to the paletted copy's (the pixel loop benchmarks give memcpy and memset of the same
// bytes for scale). The pictures cover the area one texel to a pixel, so that each filler reads as
// many texels as the copy does.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <stdexcept>
#include <vector>

#include "render/fill/fillers.h"
#include "tests/support/picture_record.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kPixels = size_t(kWidth) * kHeight;
constexpr uint32_t kFog = 0x0200C008;  // mid grey, spread
constexpr uint16_t kPlainShade = 255;  // factor 32
constexpr uint16_t kFogShade = 64;     // factor 16

// A 640x480 back buffer in the drawing orientation the game uses.
struct Surface {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(kPixels);
    SRasterTarget target;

    Surface() { target.Set(pixels.data(), kWidth, kHeight, kWidth, 0); }
};

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

// The whole area as one quad, clockwise from its top left, with the texture at one texel per
// pixel: uvs gives (s, t) at each corner.
struct Quad {
    std::array<SRenderVertex, 4> vertices = {SRenderVertex{0, 0, 1024},
                                             {kWidth * 16, 0, 1024},
                                             {kWidth * 16, kHeight * 16, 1024},
                                             {0, kHeight * 16, 1024}};
    std::array<SRenderUv, 4> uvs;
    std::array<uint16_t, 4> shades;

    Quad(std::array<SRenderUv, 4> corners, uint16_t shade) : uvs(corners) { shades.fill(shade); }
    SFillPolygon Polygon() const { return {4, vertices.data(), uvs.data(), shades.data()}; }
};

// Upright pictures: s across, t down. Turned pictures (walls): t across, s down.
constexpr std::array<SRenderUv, 4> kUpright = {SRenderUv{0, 0},
                                               {kWidth * 16, 0},
                                               {kWidth * 16, kHeight * 16},
                                               {0, kHeight * 16}};
constexpr std::array<SRenderUv, 4> kTurned = {SRenderUv{0, 0},
                                              {0, kWidth * 16},
                                              {kHeight * 16, kWidth * 16},
                                              {kHeight * 16, 0}};

void Finish(benchmark::State& state) { state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kPixels)); }

// The baseline: row by row through the surface's row spans, one table look-up per pixel.
void BM_PalettedCopy(benchmark::State& state) {
    Surface surface;
    BenchPicture picture(0, kWidth, kHeight);
    uint16_t table[256];
    for (int i = 0; i < 256; ++i) table[i] = picture.Picture().Colour(uint32_t(i));
    for (auto _ : state) {
        const uint8_t* texels = picture.Picture().Texels();
        for (int y = 0; y < kHeight; ++y, texels += kWidth) {
            const SRowSpan span = GetRowSpan(surface.target, y, 0, kWidth);
            ptrdiff_t offset = 0;
            for (int x = 0; x < span.m_count; ++x, offset += span.m_step) span.m_first[offset] = table[texels[x]];
        }
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// The same copy reading its picture down the columns of a 256-wide picture, as a turned floor
// (facings 1 and 3) does: screen row y reads picture column y x 256 / 480, pixel x picture row x.
// What this costs over the plain copy is the memory's, not the filler's.
void BM_PalettedCopyDownColumns(benchmark::State& state) {
    Surface surface;
    BenchPicture picture(0, 256, kWidth);
    uint16_t table[256];
    for (int i = 0; i < 256; ++i) table[i] = picture.Picture().Colour(uint32_t(i));
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y) {
            const uint8_t* column = picture.Picture().Texels() + y * 256 / kHeight;
            const SRowSpan span = GetRowSpan(surface.target, y, 0, kWidth);
            ptrdiff_t offset = 0;
            for (int x = 0; x < span.m_count; ++x, offset += span.m_step)
                span.m_first[offset] = table[column[ptrdiff_t(x) * 256]];
        }
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_Flat(benchmark::State& state) {
    Surface surface;
    const Quad quad(kUpright, kPlainShade);
    for (auto _ : state) {
        DrawPolyFlat(surface.target, quad.Polygon(), 0x5A5A);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

using Filler = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t);

// One filler over the area; state.range(0) is the format, state.range(1) 1 for the fog variant.
template <Filler kFiller, bool kTurned>
void BM_Filler(benchmark::State& state) {
    Surface surface;
    const int format = int(state.range(0));
    BenchPicture picture(format, kTurned ? kHeight : kWidth, kTurned ? kWidth : kHeight);
    const Quad quad(kTurned ? ::kTurned : kUpright, state.range(1) ? kFogShade : kPlainShade);
    for (auto _ : state) {
        kFiller(surface.target, quad.Polygon(), picture.Texture(), kFog);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void WallOverlay(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                 uint32_t fog) {
    DrawPolyWallOverlay(target, polygon, texture, texture, fog);
}

// The rotated picture has no fog: one variant.
void BM_RotatedPicture(benchmark::State& state) {
    Surface surface;
    BenchPicture picture(int(state.range(0)), kWidth, kHeight);
    const Quad quad(kUpright, kPlainShade);
    for (auto _ : state) {
        DrawQuadKeyedAffine(surface.target, quad.vertices, picture.Texture(), quad.uvs);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// The floor fillers and the object face over the area: floor textures are 256 texels wide, so a
// row of 640 pixels shows 256 texels (and a turned texture 640 rows across the area). Masks hold
// random bits, overlays are half clear, so that every choice is taken often. Format 3 stands for
// format-1 pictures read through their decoded colours.
constexpr int kDecoded = 3;
int StoredFormat(int format) { return format == kDecoded ? 1 : format; }

struct FloorSet {
    FloorSet(int format, bool turned)
        : a(StoredFormat(format), 256, turned ? kWidth : kHeight),
          b(StoredFormat(format), 256, turned ? kWidth : kHeight),
          c(StoredFormat(format), 256, turned ? kWidth : kHeight),
          overlay(StoredFormat(format), 256, turned ? kWidth : kHeight, true),
          mask1(0, 16, 128),
          mask2(0, 16, 128) {
        if (format != kDecoded) return;
        for (BenchPicture* picture : {&a, &b, &c, &overlay}) picture->Decode();
    }
    BenchPicture a, b, c, overlay, mask1, mask2;
};

template <int kType, auto kFiller>
void DrawFloor(const SRasterTarget& target, const SFillPolygon& polygon, const FloorSet& set, uint32_t fog) {
    const SRenderTexture &a = set.a.Texture(), &b = set.b.Texture(), &c = set.c.Texture();
    const SRenderTexture &overlay = set.overlay.Texture(), &mask1 = set.mask1.Texture(), &mask2 = set.mask2.Texture();
    if constexpr (kType == 2) {
        kFiller(target, polygon, a, b, mask1, fog);
    } else if constexpr (kType == 3) {
        kFiller(target, polygon, a, b, c, mask1, mask2, fog);
    } else if constexpr (kType == 4) {
        kFiller(target, polygon, a, overlay, fog);
    } else if constexpr (kType == 5) {
        kFiller(target, polygon, a, b, overlay, mask1, fog);
    } else {
        kFiller(target, polygon, a, fog);
    }
}

// state.range(0) is the format, state.range(1) 1 for the fog variant. Turned: v across the area.
template <int kType, auto kFiller, bool kTurned>
void BM_Floor(benchmark::State& state) {
    Surface surface;
    const FloorSet set(int(state.range(0)), kTurned);
    const std::array<SRenderUv, 4> upright = {SRenderUv{0, 0}, {4096, 0}, {4096, kHeight * 16}, {0, kHeight * 16}};
    const std::array<SRenderUv, 4> turned = {SRenderUv{0, 0}, {0, kWidth * 16}, {4096, kWidth * 16}, {4096, 0}};
    const Quad quad(kTurned ? turned : upright, state.range(1) ? kFogShade : kPlainShade);
    for (auto _ : state) {
        DrawFloor<kType, kFiller>(surface.target, quad.Polygon(), set, kFog);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void FormatsAndFog(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"format", "fog"})->ArgsProduct({{0, 1, 2}, {0, 1}});
}
void FloorFormatsAndFog(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"format", "fog"})->ArgsProduct({{0, 1, 2, kDecoded}, {0, 1}});
}

}  // namespace

BENCHMARK(BM_PalettedCopy);
BENCHMARK(BM_PalettedCopyDownColumns);
BENCHMARK(BM_Flat);
BENCHMARK(BM_Filler<DrawPolyWall, true>)->Name("BM_Wall")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<WallOverlay, true>)->Name("BM_WallOverlay")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<DrawPolySideFace, true>)->Name("BM_SideFace")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<DrawPolyType14, false>)->Name("BM_Type14")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<DrawPolyType13, false>)->Name("BM_Type13")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<DrawPolySky, false>)->Name("BM_Sky")->Apply(FormatsAndFog);
BENCHMARK(BM_Filler<DrawPolyBillboard, false>)->Name("BM_Billboard")->Apply(FormatsAndFog);
BENCHMARK(BM_RotatedPicture)->ArgName("format")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_Floor<1, DrawPolyFloor1NS, false>)->Name("BM_Floor1NS")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<2, DrawPolyFloor2NS, false>)->Name("BM_Floor2NS")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<3, DrawPolyFloor3NS, false>)->Name("BM_Floor3NS")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<4, DrawPolyFloor4NS, false>)->Name("BM_Floor4NS")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<5, DrawPolyFloor5NS, false>)->Name("BM_Floor5NS")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<1, DrawPolyFloor1EW, true>)->Name("BM_Floor1EW")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<2, DrawPolyFloor2EW, true>)->Name("BM_Floor2EW")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<3, DrawPolyFloor3EW, true>)->Name("BM_Floor3EW")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<4, DrawPolyFloor4EW, true>)->Name("BM_Floor4EW")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<5, DrawPolyFloor5EW, true>)->Name("BM_Floor5EW")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<1, DrawPolyFloor1Free, false>)->Name("BM_Floor1Free")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<2, DrawPolyFloor2Free, false>)->Name("BM_Floor2Free")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<3, DrawPolyFloor3Free, false>)->Name("BM_Floor3Free")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<4, DrawPolyFloor4Free, false>)->Name("BM_Floor4Free")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<5, DrawPolyFloor5Free, false>)->Name("BM_Floor5Free")->Apply(FloorFormatsAndFog);
BENCHMARK(BM_Floor<10, DrawPolyType10, false>)->Name("BM_Type10")->Apply(FloorFormatsAndFog);
