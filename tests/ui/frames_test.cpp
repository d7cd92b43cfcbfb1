#include "ui/frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "support/memory_display.h"
#include "support/picture_record.h"

namespace frames_test {

namespace {

// A 12x8 screen and a frame set of 2x2 pieces, each piece a colour of its own (1 to 9), so that
// every pixel tells which piece drew it.
class FramesTest : public ::testing::Test {
protected:
    static constexpr int kW = 12, kH = 8;

    void SetUp() override {
        DrawIntoMemory(display, pixels, kW, kH);
        for (int piece = 0; piece < 9; ++piece) {
            records[piece] = PictureRecord(0, 2, 2, {0, 0, 0, 0}, {uint16_t(piece + 1)});
            SReadError error;
            ASSERT_TRUE(entries[piece].Bind(records[piece], 0, error)) << error.Message();
            set[piece] = &entries[piece];
        }
    }

    // The screen as rows of piece numbers ('.' for untouched).
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int y = 0; y < kH; ++y) {
            std::string row;
            for (int x = 0; x < kW; ++x) {
                const uint16_t p = pixels[size_t(y) * kW + x];
                row += p == 0 ? '.' : p < 10 ? char('0' + p) : '#';
            }
            out.push_back(row);
        }
        return out;
    }

    SDisplay display;
    std::vector<uint16_t> pixels = std::vector<uint16_t>(kW * kH, 0);
    std::vector<uint8_t> records[9];
    SPictureEntry entries[9];
    SPictureEntry* set[9];
};

// Pieces: 1 top-left, 2 left, 3 bottom-left, 4 top, 5 centre, 6 bottom, 7 top-right, 8 right, 9 bottom-right.
TEST_F(FramesTest, aPanelDrawsAllNinePiecesInPlace) {
    DrawPanel(display, set, false, 1, 1, 9, 6);
    EXPECT_EQ(rows(), (std::vector<std::string>{"............", ".114444477..", ".114444477..", ".225555588..",
                                                ".225555588..", ".336666699..", ".336666699..", "............"}));
}

TEST_F(FramesTest, aFrameDrawsOnlyTheSidesItsFlagsName) {
    DrawFrame(display, set, false, 0, 0, 8, 6, 0x02, 0);  // the left column alone: its edge and both corners
    EXPECT_EQ(rows(), (std::vector<std::string>{"11..........", "11..........", "22..........", "22..........",
                                                "33..........", "33..........", "............", "............"}));
}

TEST_F(FramesTest, aFrameFillsItsInsideWithTheColourGivenRedLow) {
    DrawFrame(display, set, false, 0, 0, 8, 6, 0x80 | 0x01, 0x0000FF);
    EXPECT_EQ(pixels[2 * kW + 3], 0xF800) << "0x0000FF is pure red";
    EXPECT_EQ(rows()[0], "11444477....");
}

TEST_F(FramesTest, aBarTilesItsMiddleBetweenTheCaps) {
    SPictureEntry* bar[3] = {set[0], set[4], set[6]};
    DrawBar(display, bar, false, 0, 0, 9, 2);
    EXPECT_EQ(rows()[0], "115555577...");
}

}  // namespace

}  // namespace frames_test
