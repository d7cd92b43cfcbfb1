#include "support/png_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/base/byte_order.h"
#include "support/temp_folder.h"

namespace png_writer_test {

namespace {

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
    bool crcRight;
};

// Splits a PNG after its signature into chunks, checking each one's CRC.
std::vector<Chunk> chunksOf(const std::vector<uint8_t>& png) {
    std::vector<Chunk> chunks;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = ReadBE32(&png[at]);
        Chunk chunk{std::string(png.begin() + long(at) + 4, png.begin() + long(at) + 8),
                    std::vector<uint8_t>(png.begin() + long(at) + 8, png.begin() + long(at) + 8 + length), false};
        const uint32_t crc = ReadBE32(&png[at + 8 + length]);
        chunk.crcRight = crc == PngCrc32(std::span<const uint8_t>(png).subspan(at + 4, 4 + length));
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

// The bytes inside a zlib stream of stored blocks; empty when a block is not stored or its two
// lengths disagree.
std::vector<uint8_t> unstore(const std::vector<uint8_t>& zlib) {
    std::vector<uint8_t> out;
    size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > zlib.size() || (zlib[at] & 6) != 0) return {};
        last = zlib[at] & 1;
        const uint16_t length = uint16_t(zlib[at + 1] | zlib[at + 2] << 8);
        const uint16_t inverse = uint16_t(zlib[at + 3] | zlib[at + 4] << 8);
        if (uint16_t(~length) != inverse) return {};
        out.insert(out.end(), zlib.begin() + long(at) + 5, zlib.begin() + long(at) + 5 + length);
        at += 5 + length;
    }
    return out;
}

TEST(PngWriter, aPictureReadsBackRowByRowInEightBitChannels) {
    // 3x2 pixels out of a 4-pixel-wide surface: white, red, green / blue, black, a mid grey.
    const std::vector<uint16_t> surface = {0xFFFF, 0xF800, 0x07E0, 0x1234, 0x001F, 0x0000, 0x8410, 0x1234};
    const std::vector<uint8_t> png = EncodePng(surface, 3, 2, 4);

    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    const std::vector<Chunk> chunks = chunksOf(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    for (const Chunk& chunk : chunks) EXPECT_TRUE(chunk.crcRight) << chunk.type;
    EXPECT_EQ(chunks[0].data, (std::vector<uint8_t>{0, 0, 0, 3, 0, 0, 0, 2, 8, 2, 0, 0, 0}));

    const std::vector<uint8_t> raw = unstore(chunks[1].data);
    EXPECT_EQ(raw,
              (std::vector<uint8_t>{0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 132, 130, 132}));
}

// A screen of 480x640 RGB triples needs many stored blocks: each at most 65,535 bytes.
TEST(PngWriter, aLargePictureSpreadsOverStoredBlocksThatAddUp) {
    const std::vector<uint16_t> surface(480 * 640, 0x07E0);
    const std::vector<Chunk> chunks = chunksOf(EncodePng(surface, 480, 640, 480));
    ASSERT_EQ(chunks.size(), 3u);
    const std::vector<uint8_t> raw = unstore(chunks[1].data);
    ASSERT_EQ(raw.size(), 640u * (1 + 480 * 3));
    EXPECT_EQ(raw[0], 0);
    EXPECT_EQ(raw[1 + 3 * 479 + 1], 255);
}

// Leaves $BRIMVALE_SHOTS as the run had it.
class ShotTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        if (const char* shots = std::getenv("BRIMVALE_SHOTS")) m_previous = shots;
    }
    void TearDown() override {
        if (m_previous.empty())
            unsetenv("BRIMVALE_SHOTS");
        else
            setenv("BRIMVALE_SHOTS", m_previous.c_str(), 1);
        TempFolderTest::TearDown();
    }

private:
    std::string m_previous;
};

TEST_F(ShotTest, aShotIsWrittenOnlyIntoTheFolderTheVariableNames) {
    const std::vector<uint16_t> pixels(4, 0xFFFF);
    unsetenv("BRIMVALE_SHOTS");
    EXPECT_TRUE(WriteShot("nowhere", pixels, 2, 2, 2));
    EXPECT_FALSE(std::filesystem::exists(PathOf("nowhere.png")));

    setenv("BRIMVALE_SHOTS", Folder().c_str(), 1);
    EXPECT_TRUE(WriteShot("here", pixels, 2, 2, 2));
    std::ifstream file(PathOf("here.png"), std::ios::binary);
    const std::vector<uint8_t> png((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(png, EncodePng(pixels, 2, 2, 2));
}

}  // namespace

}  // namespace png_writer_test
