#include "engine/draw/decoded_picture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "engine/draw/pixel_loops.h"
#include "support/picture_record.h"
#include "support/test_surface.h"

namespace decoded_picture_test {

namespace {

constexpr uint16_t A = 0x1111, B = 0x2222, C = 0x3333, D = 0x4444, K = 0xFFFF;

// Pictures of every format, with keys scattered, in runs and hidden behind block index 0.
const STestPicture& Picture(int which) {
    static const auto random = [](int format, int width, int height, uint32_t indices) {
        std::mt19937 generator(uint32_t(format * 100 + width));
        const int blocks = format == 0 ? 1 : 4;
        std::vector<uint32_t> texels(size_t(width * height / blocks));
        for (uint32_t& texel : texels) texel = generator() % indices;
        std::vector<uint16_t> colours(size_t(indices) * blocks);
        for (size_t i = 0; i < colours.size(); ++i) colours[i] = i % 5 == 3 ? K : uint16_t(generator());
        return new STestPicture(format, width, height, texels, colours);
    };
    static const STestPicture* pictures[] = {
        random(0, 13, 9, 200),
        random(1, 14, 10, 40),
        random(2, 12, 8, 300),
        // Block 0 of these is all key colours, so keyed drawing needs no pixels of its own.
        new STestPicture(1, 4, 2, {0, 1}, {K, K, K, K, A, K, B, C}),
        new STestPicture(0, 2, 2, {0, 1, 2, 1}, {A, K, B}),
    };
    return *pictures[which];
}
constexpr int kPictures = 5;

// Each rectangle as x, y, source x, source y, w, h on a 11x7 surface: whole, cut on every side,
// from odd source positions, reaching past the picture and starting before it.
struct Rect {
    int x, y, sourceX, sourceY, w, h;
};
constexpr Rect kRects[] = {
    {0, 0, 0, 0, 14, 10}, {-3, -2, 0, 0, 14, 10}, {5, 3, 0, 0, 14, 10}, {1, 1, 3, 1, 5, 4},
    {2, 0, 1, 3, 20, 20}, {0, 2, -2, -1, 6, 5},   {4, 4, 11, 7, 3, 3},  {0, 0, 0, 0, 0, 3},
};

using DrawCase = std::tuple<int, int, int, bool>;  // picture, rectangle, orientation, keyed

class DecodedPictureDrawTest : public ::testing::TestWithParam<DrawCase> {};

// The decoded pixels are only a faster way to the same result: for every picture, rectangle and
// orientation, copying them gives the pixels of the picture's own blit.
TEST_P(DecodedPictureDrawTest, drawsWhatThePictureBlitDraws) {
    const auto [which, rectIndex, orientation, keyed] = GetParam();
    const SPicture& picture = Picture(which);
    const Rect& r = kRects[rectIndex];
    STestSurface expected(11, 7, orientation, 0x0BAD), drawn(11, 7, orientation, 0x0BAD);
    SDecodedPicture pixels;
    pixels.Update(picture, SColourSource::OwnTable);
    if (keyed) {
        SPixelLoops::BlitKeyedRaw(expected.Target(), picture, r.x, r.y, r.sourceX, r.sourceY, r.w, r.h);
        SPixelLoops::CopyPixelsKeyedRaw(drawn.Target(), r.x, r.y, pixels.Keyed(), pixels.Width(), pixels.Height(),
                                        r.sourceX, r.sourceY, r.w, r.h);
    } else {
        SPixelLoops::BlitOpaqueRaw(expected.Target(), picture, r.x, r.y, r.sourceX, r.sourceY, r.w, r.h);
        SPixelLoops::CopyPixelsRaw(drawn.Target(), r.x, r.y, pixels.Opaque(), pixels.Width(), pixels.Height(),
                                   r.sourceX, r.sourceY, r.w, r.h);
    }
    EXPECT_EQ(drawn.Pixels(), expected.Pixels());
    EXPECT_TRUE(drawn.GuardsIntact());
    EXPECT_TRUE(drawn.Target().m_drawn);
}

std::string CaseName(const DrawCase& c) {
    const auto [which, rect, orientation, keyed] = c;
    return "picture" + std::to_string(which) + "_rect" + std::to_string(rect) + "_orientation" +
           std::to_string(orientation) + (keyed ? "_keyed" : "_opaque");
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodedPictureDrawTest,
                         ::testing::Combine(::testing::Range(0, kPictures), ::testing::Range(0, int(std::size(kRects))),
                                            ::testing::Values(0, 1, 2), ::testing::Bool()),
                         [](const auto& info) { return CaseName(info.param); });

// Keyed pixels of their own cost two more bytes a pixel, so they are kept only where keyed drawing
// leaves out colours that are not the key.
TEST(DecodedPictureTest, keepsKeyedPixelsOnlyWhereBlockZeroHidesColours) {
    const struct {
        int picture;
        size_t bytes;
    } cases[] = {{0, 13 * 9 * 2}, {1, 14 * 10 * 4}, {3, 4 * 2 * 2}, {4, 2 * 2 * 2}};
    for (const auto& c : cases) {
        SDecodedPicture pixels;
        pixels.Update(Picture(c.picture), SColourSource::OwnTable);
        EXPECT_EQ(pixels.Bytes(), c.bytes) << "picture " << c.picture;
    }
    SDecodedPicture blocks;
    blocks.Update(Picture(3), SColourSource::OwnTable);
    EXPECT_EQ(blocks.Opaque().data(), blocks.Keyed().data());
    blocks.Release();
    EXPECT_EQ(blocks.Bytes(), 0u);
    EXPECT_TRUE(blocks.Keyed().empty());
}

// A palette record can be replaced by another at the same address, so a palette's colours are
// compared on every draw; the picture's own table cannot change under the same record.
TEST(DecodedPictureTest, followsThePalettesColoursAtTheSameAddress) {
    const STestPicture picture(0, 2, 1, {0, 1}, {A, B});
    std::vector<uint8_t> palette{0x33, 0x33, 0x44, 0x44};
    SPicture drawn = picture.Picture();
    SReadError error;
    ASSERT_TRUE(drawn.UsePalette(palette, error));

    SDecodedPicture pixels;
    pixels.Update(picture.Picture(), SColourSource::OwnTable);
    EXPECT_EQ(std::vector<uint16_t>(pixels.Opaque().begin(), pixels.Opaque().end()), (std::vector<uint16_t>{A, B}));
    const uint16_t* ownPixels = pixels.Opaque().data();
    pixels.Update(picture.Picture(), SColourSource::OwnTable);
    EXPECT_EQ(pixels.Opaque().data(), ownPixels) << "the same picture and table are not drawn again";

    pixels.Update(drawn, SColourSource::Palette);
    EXPECT_EQ(std::vector<uint16_t>(pixels.Opaque().begin(), pixels.Opaque().end()), (std::vector<uint16_t>{C, D}));
    palette[0] = palette[1] = 0x22;
    pixels.Update(drawn, SColourSource::Palette);
    EXPECT_EQ(pixels.Opaque()[0], B);

    pixels.Update(picture.Picture(), SColourSource::OwnTable);
    EXPECT_EQ(pixels.Opaque()[0], A);
}

}  // namespace

}  // namespace decoded_picture_test
