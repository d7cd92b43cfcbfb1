#include "framework/rotation/tile_kernels.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/device/device_model.h"

namespace tile_kernels_test {

namespace {

// A destination rectangle of whole tiles inside a screen with a wider pitch, and a source around
// it with a pitch of its own, so that a kernel that mixes up the pitches, the band heights or the
// block columns lands on the wrong pixels or outside the rectangle.
struct KernelCase {
    const char* name;
    int32_t width, height;
};

constexpr KernelCase kRects[] = {
    {"oneTile", 16, 16}, {"tileRow", 64, 16}, {"tileColumn", 16, 80}, {"oneBand", 48, 32}, {"bandAndAHalf", 32, 48},
};

constexpr int32_t kMargin = 24;  // source pixels around the turned area on every side
constexpr uint16_t kUntouched = 0xA5A5;

struct Turned {
    std::vector<uint16_t> screen;
    int32_t screenLine = 0;
};

// The source pixel that lands on destination (x, y), for the source pixel at `corner`.
size_t SourceIndex(int turns, size_t corner, int32_t line, int32_t x, int32_t y) {
    switch (turns) {
        case 1: return corner + size_t(y - ptrdiff_t(x) * line);
        case 2: return corner - size_t(x + ptrdiff_t(y) * line);
        default: return corner + size_t(ptrdiff_t(x) * line - y);
    }
}

Turned Turn(HAL::TileKernel kernel, int turns, const KernelCase& c, const std::vector<uint16_t>& source,
            int32_t sourceLine) {
    Turned turned;
    turned.screenLine = c.width + 8;
    turned.screen.assign(size_t(turned.screenLine) * (c.height + 2), kUntouched);
    // The source pixel that lands on the top-left corner sits where the whole area stays inside.
    const int32_t span = std::max(c.width, c.height);
    size_t corner = size_t(kMargin) * sourceLine + kMargin;
    if (turns == 1) corner += size_t(span) * sourceLine;
    if (turns == 2) corner += size_t(span) * sourceLine + span;
    if (turns == 3) corner += size_t(span);
    kernel(&turned.screen[size_t(turned.screenLine) + 4], &source[corner], sourceLine * 2, turned.screenLine * 2,
           c.width, c.height);
    for (int32_t y = 0; y < c.height; ++y)
        for (int32_t x = 0; x < c.width; ++x)
            EXPECT_EQ(turned.screen[size_t(y + 1) * turned.screenLine + 4 + x],
                      source[SourceIndex(turns, corner, sourceLine, x, y)])
                << "pixel " << x << "," << y;
    return turned;
}

using Param = std::tuple<KernelCase, int>;

class TileKernelTest : public ::testing::TestWithParam<Param> {};

// The plain kernels follow the pixel mapping and write nothing outside the rectangle; every other
// set, the vector kernels on this build's processor included, writes the same screen.
TEST_P(TileKernelTest, everySetTurnsLikeThePlainKernels) {
    const auto& [c, turns] = GetParam();
    const int32_t sourceLine = std::max(c.width, c.height) * 2 + 2 * kMargin + 6;
    std::vector<uint16_t> source(size_t(sourceLine) * sourceLine);
    for (size_t i = 0; i < source.size(); ++i) source[i] = uint16_t(i * 0x9E37 + (i >> 8));

    const Turned plain = Turn(HAL::PlainTileKernel(turns), turns, c, source, sourceLine);
    size_t untouched = 0;
    for (uint16_t pixel : plain.screen) untouched += pixel == kUntouched;
    EXPECT_EQ(untouched, plain.screen.size() - size_t(c.width) * c.height);
    for (int cpu : {HAL::kCpuOther, HAL::kCpuStrongArm, HAL::kCpuXScale})
        EXPECT_EQ(Turn(HAL::TileKernelFor(turns, cpu), turns, c, source, sourceLine).screen, plain.screen)
            << "processor " << cpu;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileKernelTest, ::testing::Combine(::testing::ValuesIn(kRects), ::testing::Values(1, 2, 3)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_turns" + std::to_string(std::get<1>(info.param));
    });

TEST(TileKernelTest, theXScaleHasASetOfItsOwn) {
    for (int turns : {1, 2, 3})
        EXPECT_NE(HAL::TileKernelFor(turns, HAL::kCpuXScale), HAL::TileKernelFor(turns, HAL::kCpuOther));
    EXPECT_EQ(HAL::TileKernelFor(0, HAL::kCpuOther), nullptr);
}

}  // namespace

}  // namespace tile_kernels_test
