// The 2-D drawing over a 640x480 area against memcpy and memset of the same 614,400 bytes.
// Read the ratios: opaque blit / memcpy, keyed blit / memcpy, fill / memset. The blits go through
// the display as the game draws, from the pixels a picture is decoded into on its first draw;
// BM_DecodePicture is that first draw's extra cost.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/draw/display.h"
#include "engine/draw/pixel_loops.h"
#include "engine/packages/resource_cache.h"
#include "tests/support/memory_display.h"
#include "tests/support/picture_record.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kBytes = size_t(kWidth) * kHeight * 2;

// A 640x480 back buffer in the drawing orientation the game uses.
struct Surface {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SRasterTarget target;

    Surface() { target.Set(pixels.data(), kWidth, kHeight, kWidth, 0); }
};

// How the key colour lies in a picture: scattered at random, about one pixel in eight, in no
// pattern a branch predictor can learn; or around a disc, as in a sprite.
enum class Keys { Scattered, Sprite };

// A full-screen picture of random indices into 256 colours, of which every eighth is the key.
class ScreenPicture {
public:
    ScreenPicture(int format, Keys keys) {
        std::mt19937 random(7);
        int blockSide = format == 0 ? 1 : 2;
        int columns = kWidth / blockSide, rows = kHeight / blockSide;
        std::vector<uint32_t> texels;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x) {
                uint32_t index = format == 0 ? random() % 256 : random() % 64;
                if (keys == Keys::Sprite)
                    index = InDisc(x * blockSide, y * blockSide) ? Opaque(index, format) : KeyIndex(format);
                texels.push_back(index);
            }
        }
        std::vector<uint16_t> colours(256);
        for (size_t i = 0; i < colours.size(); ++i)
            colours[i] = i % 8 == 7 ? SPicture::kTransparent : uint16_t(i * 257);
        m_bytes = PictureRecord(format, kWidth, kHeight, texels, colours);
        SReadError error;
        if (!m_entry.Bind(m_bytes, 0, error)) throw std::runtime_error(error.Message());
    }
    const SPictureEntry& Entry() const { return m_entry; }

private:
    static bool InDisc(int x, int y) {
        int dx = x - kWidth / 2, dy = y - kHeight / 2;
        return dx * dx + dy * dy < kHeight * kHeight / 4;
    }
    // An index none of whose colours is the key, and one that is wholly transparent.
    // In blocks, an odd index's last colour is the key.
    static uint32_t Opaque(uint32_t index, int format) {
        return format == 0 ? index - (index % 8 == 7) : std::max(index & ~1u, 2u);
    }
    static uint32_t KeyIndex(int format) { return format == 0 ? 7 : 0; }

    std::vector<uint8_t> m_bytes;
    SPictureEntry m_entry;
};

// The game's display drawing into a 640x480 back buffer of packed rows.
struct ScreenDisplay {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SDisplay display;

    ScreenDisplay() { DrawIntoMemory(display, pixels, kWidth, kHeight); }
};

void Finish(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes)); }

void BM_Memcpy(benchmark::State& state) {
    Surface surface;
    std::vector<uint16_t> source(surface.pixels.size(), 0x1234);
    for (auto _ : state) {
        std::memcpy(surface.pixels.data(), source.data(), kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_Memset(benchmark::State& state) {
    Surface surface;
    for (auto _ : state) {
        std::memset(surface.pixels.data(), 0x5A, kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_FillRect(benchmark::State& state) {
    Surface surface;
    for (auto _ : state) {
        SPixelLoops::FillRectRaw(surface.target, 0, 0, kWidth, kHeight, 0x5A5A);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_BlitOpaque(benchmark::State& state) {
    ScreenDisplay screen;
    ScreenPicture picture(int(state.range(0)), Keys::Scattered);
    for (auto _ : state) {
        screen.display.BlitOpaque(picture.Entry(), 0, 0);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_BlitKeyed(benchmark::State& state) {
    ScreenDisplay screen;
    ScreenPicture picture(int(state.range(0)), Keys(state.range(1)));
    for (auto _ : state) {
        screen.display.BlitKeyed(picture.Entry(), 0, 0);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// A picture's first draw: its texels turned into pixels, through the picture blits.
void BM_DecodePicture(benchmark::State& state) {
    ScreenPicture picture(int(state.range(0)), Keys::Scattered);
    SDecodedPicture pixels;
    for (auto _ : state) {
        pixels.Release();
        pixels.Update(picture.Entry().picture, SColourSource::OwnTable);
        benchmark::DoNotOptimize(pixels.Opaque().data());
    }
    Finish(state);
}

}  // namespace

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_Memset);
BENCHMARK(BM_FillRect);
BENCHMARK(BM_BlitOpaque)->ArgName("format")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_BlitKeyed)->ArgNames({"format", "sprite"})->ArgsProduct({{0, 1, 2}, {0, 1}});
BENCHMARK(BM_DecodePicture)->ArgName("format")->Arg(0)->Arg(1)->Arg(2);
