#include "engine/draw/picture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/picture_record.h"

namespace picture_test {

namespace {

// --- Layout: where the colour table starts -------------------------------------------------------

struct LayoutCase {
    const char* name;
    int format, width, height;
    uint32_t texelBytes, paletteOffset;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class PictureLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

// A wrong offset here reads every picture's colours from the wrong bytes.
TEST_P(PictureLayoutTest, placesTheColourTableBehindTheTexels) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(SPicture::TexelBytes(c.format, c.width, c.height), c.texelBytes);
    EXPECT_EQ(SPicture::PaletteOffset(c.format, c.width, c.height), c.paletteOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureLayoutTest,
    ::testing::Values(LayoutCase{"indexed3x3", 0, 3, 3, 9, 18}, LayoutCase{"byteBlocks4x2", 1, 4, 2, 2, 10},
                      LayoutCase{"wordBlocks4x2", 2, 4, 2, 4, 12}, LayoutCase{"indexedOddPadded", 0, 1, 1, 1, 10},
                      LayoutCase{"byteBlocksOddPadded", 1, 6, 2, 3, 12}),
    [](const auto& info) { return std::string(info.param.name); });

// --- MakeColor565 --------------------------------------------------------------------------------

struct ColourCase {
    const char* name;
    int red, green, blue;
    uint16_t packed;
};

void PrintTo(const ColourCase& c, std::ostream* out) { *out << c.name; }

class MakeColor565Test : public ::testing::TestWithParam<ColourCase> {};

TEST_P(MakeColor565Test, roundsEachChannelToTheNearestStep) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(MakeColor565(c.red, c.green, c.blue), c.packed);
}

INSTANTIATE_TEST_SUITE_P(Cases, MakeColor565Test,
                         ::testing::Values(ColourCase{"whiteIsTheKey", 255, 255, 255, 0xFFFF},
                                           ColourCase{"grey", 128, 128, 128, 0x8410}, ColourCase{"black", 0, 0, 0, 0},
                                           ColourCase{"redBelowHalfStep", 4, 0, 0, 0},
                                           ColourCase{"redPastHalfStepRoundsUp", 5, 0, 0, 0x0800},
                                           ColourCase{"greenPastHalfStepRoundsUp", 0, 3, 0, 0x0020},
                                           ColourCase{"blueAlone", 0, 0, 255, 0x001F}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Reading records -----------------------------------------------------------------------------

TEST(PictureReadTest, readsEachFormatsColoursFromItsTable) {
    // Format 2 with block index 256: the u16 index is little-endian, so its colours are 1024..1027.
    std::vector<uint16_t> colours(1028, 0x0101);
    colours[1024] = 0x1234;
    colours[1027] = 0x4321;
    STestPicture words(2, 2, 2, {256}, colours);
    ASSERT_TRUE(words.Ok());
    EXPECT_EQ(words.Picture().Colour(1024), 0x1234);
    EXPECT_EQ(words.Picture().Colour(1027), 0x4321);
    EXPECT_EQ(ReadLE16(words.Picture().Texels()), 256);

    STestPicture bytes(0, 3, 1, {2, 0, 1}, {0x1111, 0x2222, 0x3333});
    ASSERT_TRUE(bytes.Ok());
    EXPECT_EQ(bytes.Picture().Width(), 3);
    EXPECT_EQ(bytes.Picture().Colour(bytes.Picture().Texels()[0]), 0x3333);
}

struct DamageCase {
    const char* name;
    std::vector<uint8_t> record;
    std::optional<uint32_t> offset;  // where the fault lies
};

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }

std::vector<uint8_t> Truncated(std::vector<uint8_t> record, size_t size) {
    record.resize(size);
    return record;
}

std::vector<uint8_t> WithHeaderWord(std::vector<uint8_t> record, size_t offset, uint16_t value) {
    record[offset] = uint8_t(value);
    record[offset + 1] = uint8_t(value >> 8);
    return record;
}

// A valid 2x2 picture of each format, for the rows below to break one field of.
std::vector<uint8_t> Indexed() { return PictureRecord(0, 2, 2, {0, 1, 2, 3}, {1, 2, 3, 4}); }
std::vector<uint8_t> Blocks() { return PictureRecord(1, 2, 2, {1}, {1, 2, 3, 4, 5, 6, 7, 8}); }

class PictureDamageTest : public ::testing::TestWithParam<DamageCase> {};

// A damaged record is refused with the place and the reason, and the picture keeps what it held
// before.
TEST_P(PictureDamageTest, refusesTheRecord) {
    STestPicture before(0, 1, 1, {0}, {0x1234});
    SPicture picture = before.Picture();
    SReadError error;
    EXPECT_FALSE(picture.Read(GetParam().record, error));
    EXPECT_TRUE(error.Failed());
    EXPECT_EQ(error.offset, GetParam().offset);
    EXPECT_EQ(picture.Width(), 1);
    EXPECT_EQ(picture.Colour(0), 0x1234);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureDamageTest,
    ::testing::Values(
        DamageCase{"empty", {}, {}}, DamageCase{"headerCut", Truncated(Indexed(), 7), {}},
        DamageCase{"formatThree",
                   [] {
                       auto r = Indexed();
                       r[0] = 3;
                       return r;
                   }(),
                   0},
        DamageCase{"formatNegative",
                   [] {
                       auto r = Indexed();
                       r[0] = 0xFF;
                       return r;
                   }(),
                   0},
        DamageCase{"negativeWidth", WithHeaderWord(Indexed(), 2, 0xFFFE), 2},
        DamageCase{"negativeHeight", WithHeaderWord(Indexed(), 4, 0x8000), 2},
        DamageCase{"oddBlockWidth", WithHeaderWord(Blocks(), 2, 3), 2},
        DamageCase{"oddBlockHeight", WithHeaderWord(Blocks(), 4, 1), 2},
        // Texel faults point at where the colour table would start.
        DamageCase{"texelsPastTheEnd", WithHeaderWord(Indexed(), 2, 200), 408},
        DamageCase{"hugeSizePastTheEnd", WithHeaderWord(WithHeaderWord(Indexed(), 2, 0x7FFF), 4, 0x7FFF), 1073676298},
        DamageCase{"indexPastTable", PictureRecord(0, 2, 1, {0, 2}, {1, 2}), 10},
        DamageCase{"noTableAtAll", PictureRecord(0, 2, 1, {0, 0}, {}), 10},
        DamageCase{"blockPastTable", PictureRecord(1, 2, 2, {1}, {1, 2, 3, 4, 5, 6, 7}), 10},
        // Opaque drawing shows block 0's four colours, so they must exist too.
        DamageCase{"blockZeroWithoutColours", PictureRecord(1, 2, 2, {0}, {1, 2, 3}), 10},
        DamageCase{"wordBlockPastTable", PictureRecord(2, 2, 2, {0x0100}, std::vector<uint16_t>(1024, 1)), 10}),
    [](const auto& info) { return std::string(info.param.name); });

// Cutting a record anywhere loses either the header, texels or the last colour used.
TEST(PictureReadTest, refusesEveryShortenedRecord) {
    for (const auto& record : {Indexed(), Blocks(), PictureRecord(2, 2, 2, {1}, {1, 2, 3, 4, 5, 6, 7, 8})}) {
        SPicture picture;
        SReadError error;
        ASSERT_TRUE(picture.Read(record, error)) << error.Message();
        for (size_t size = 0; size < record.size(); ++size) {
            EXPECT_FALSE(picture.Read(Truncated(record, size), error)) << "cut at " << size;
        }
    }
}

// Byte 1 is signed: a picture can stand on a point below its bottom edge as well as above it.
TEST(PictureReadTest, readsTheFootOffsetAsASignedByte) {
    for (int foot : {0, 5, -3, 127, -128}) {
        SPicture picture;
        SReadError error;
        ASSERT_TRUE(
            picture.Read(BuildPictureRecord(0, 1, 1, std::vector<uint32_t>{0}, std::vector<uint16_t>{7}, foot), error))
            << error.Message();
        EXPECT_EQ(picture.FootOffset(), foot);
    }
}

TEST(PictureReadTest, readsAnEmptyPicture) {
    SPicture picture;
    SReadError error;
    EXPECT_TRUE(picture.Read(PictureRecord(1, 0, 0, {}, {}), error)) << error.Message();
}

// --- Palette resources ---------------------------------------------------------------------------

std::vector<uint8_t> PaletteBytes(const std::vector<uint16_t>& colours) {
    std::vector<uint8_t> bytes;
    for (uint16_t colour : colours) {
        bytes.push_back(uint8_t(colour));
        bytes.push_back(uint8_t(colour >> 8));
    }
    return bytes;
}

TEST(PicturePaletteTest, drawsWithAPaletteThatCoversItsTexels) {
    STestPicture own(0, 2, 1, {0, 2}, {1, 2, 3});
    SPicture picture = own.Picture();
    std::vector<uint8_t> palette = PaletteBytes({0x0A0A, 0x0B0B, 0x0C0C});
    SReadError error;
    ASSERT_TRUE(picture.UsePalette(palette, error)) << error.Message();
    EXPECT_EQ(picture.Colour(2), 0x0C0C);
}

TEST(PicturePaletteTest, refusesAPaletteShorterThanItsTexelsNeed) {
    STestPicture own(0, 2, 1, {0, 2}, {1, 2, 3});
    SPicture picture = own.Picture();
    std::vector<uint8_t> palette = PaletteBytes({0x0A0A, 0x0B0B});
    SReadError error;
    EXPECT_FALSE(picture.UsePalette(palette, error));
    EXPECT_TRUE(error.Failed());
    EXPECT_EQ(picture.Colour(2), 3);
}

}  // namespace

}  // namespace picture_test
