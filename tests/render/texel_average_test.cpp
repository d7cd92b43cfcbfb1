#include "render/texel_average.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/picture_record.h"

namespace texel_average_test {

namespace {

constexpr uint16_t kA = 0xFFE0;  // red 31, green 63, blue 0
constexpr uint16_t kB = 0x001F;  // blue 31

using Sampler = uint16_t (*)(const SPicture&, int, int, int, int);

struct AverageCase {
    const char* name;
    Sampler sampler;
    int format;
    int w, h;
    std::vector<uint32_t> indices;
    std::vector<uint16_t> colours;
    int x, y, rectW, rectH;
    uint16_t expected;
};

void PrintTo(const AverageCase& c, std::ostream* out) { *out << c.name; }

// Four colours per block entry; a block index of 300 needs format 2's 16-bit indices.
std::vector<uint16_t> BlockColours(int blocks, std::vector<std::pair<int, std::vector<uint16_t>>> set) {
    std::vector<uint16_t> colours(size_t(blocks) * 4, kB);
    for (const auto& [block, four] : set) std::copy(four.begin(), four.end(), colours.begin() + 4 * block);
    return colours;
}

class TexelAverageTest : public ::testing::TestWithParam<AverageCase> {};

// Each field summed and divided by the texel count, truncating: a picture of two colours averages
// exactly.
TEST_P(TexelAverageTest, aTwoColourPictureAveragesExactly) {
    const AverageCase& c = GetParam();
    STestPicture picture(c.format, c.w, c.h, c.indices, c.colours);
    ASSERT_TRUE(picture.Ok());
    EXPECT_EQ(c.sampler(picture, c.x, c.y, c.rectW, c.rectH), c.expected);
}

// Half and half: red 62 / 4, green 126 / 4, blue 62 / 4. Three of eight: red 93 / 8, green 189 /
// 8, blue 155 / 8.
constexpr uint16_t kHalf = 15 << 11 | 31 << 5 | 15;
constexpr uint16_t kThreeEighths = 11 << 11 | 23 << 5 | 19;

INSTANTIATE_TEST_SUITE_P(
    Formats, TexelAverageTest,
    ::testing::Values(
        AverageCase{"pal8Checkerboard", AverageTexelsPal8, 0, 2, 2, {0, 1, 1, 0}, {kA, kB}, 0, 0, 2, 2, kHalf},
        AverageCase{"pal8ThreeOfEight",
                    AverageTexelsPal8,
                    0,
                    4,
                    2,
                    {0, 1, 0, 1, 1, 1, 0, 1},
                    {kA, kB},
                    0,
                    0,
                    4,
                    2,
                    kThreeEighths},
        AverageCase{"pal8PartOfThePicture",
                    AverageTexelsPal8,
                    0,
                    4,
                    2,
                    {1, 0, 1, 1, 1, 0, 1, 1},
                    {kA, kB},
                    1,
                    0,
                    1,
                    2,
                    kA},
        AverageCase{"pal8CutToThePicture", AverageTexelsPal8, 0, 2, 2, {0, 1, 1, 0}, {kA, kB}, -5, -5, 50, 50, kHalf},
        AverageCase{"pal8OutsideThePicture", AverageTexelsPal8, 0, 2, 2, {0, 1, 1, 0}, {kA, kB}, 2, 0, 2, 2, 0},
        AverageCase{"vq8OneBlock",
                    AverageTexelsVq8,
                    1,
                    4,
                    2,
                    {0, 1},
                    BlockColours(2, {{0, {kA, kB, kB, kA}}}),
                    0,
                    0,
                    2,
                    2,
                    kHalf},
        AverageCase{"vq8ThreeOfEight",
                    AverageTexelsVq8,
                    1,
                    4,
                    2,
                    {0, 1},
                    BlockColours(2, {{0, {kA, kB, kA, kA}}}),
                    0,
                    0,
                    4,
                    2,
                    kThreeEighths},
        AverageCase{"vq8AcrossABlockEdge",
                    AverageTexelsVq8,
                    1,
                    4,
                    2,
                    {0, 1},
                    BlockColours(2, {{0, {kB, kA, kB, kA}}, {1, {kA, kB, kA, kB}}}),
                    1,
                    0,
                    2,
                    2,
                    kA},
        AverageCase{"vq16WideIndices",
                    AverageTexelsVq16,
                    2,
                    4,
                    2,
                    {300, 0},
                    BlockColours(301, {{300, {kA, kB, kB, kA}}, {0, {kA, kA, kB, kB}}}),
                    0,
                    0,
                    4,
                    2,
                    kHalf},
        AverageCase{"aSamplerOfAnotherFormatGivesNothing",
                    AverageTexelsVq8,
                    0,
                    2,
                    2,
                    {0, 1, 1, 0},
                    {kA, kB},
                    0,
                    0,
                    2,
                    2,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace texel_average_test
