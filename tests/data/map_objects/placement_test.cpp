#include "data/map_objects/placement.h"

#include <gtest/gtest.h>

#include "data/map_objects/split_picture_name.h"
#include "engine/base/string.h"

namespace placement_test {

namespace {

// Expected words as (across | along << 5 | up << 10), worked out by hand from the face steps.
TEST(PlacementTest, packedPlacementPerFacing) {
    struct Row {
        const char* name;
        SPictureSize picture;
        int a, b;
        uint16_t facing[4];
    };
    for (Row row : {
             // Filling the face: across 16 whatever a; b stays the up step.
             Row{"wide",
                 {400, 300},
                 5,
                 7,
                 {16 | 1 << 5 | 7 << 10, 31 | 16 << 5 | 7 << 10, 16 | 31 << 5 | 7 << 10, 1 | 16 << 5 | 7 << 10}},
             // A low picture keeps an up step of 1.
             Row{"wideLowB1",
                 {400, 120},
                 16,
                 1,
                 {16 | 1 << 5 | 1 << 10, 31 | 16 << 5 | 1 << 10, 16 | 31 << 5 | 1 << 10, 1 | 16 << 5 | 1 << 10}},
             // 16 steps wide: across 7 + 17 x 8 / 32 = 11; up (32 - 16) x 10 / 32 + 1 = 6.
             Row{"narrow",
                 {120, 120},
                 8,
                 10,
                 {11 | 1 << 5 | 6 << 10, 31 | 11 << 5 | 6 << 10, 21 | 31 << 5 | 6 << 10, 1 | 21 << 5 | 6 << 10}},
             Row{"narrowInTheMiddle",
                 {120, 120},
                 16,
                 1,
                 {16 | 1 << 5 | 1 << 10, 31 | 16 << 5 | 1 << 10, 16 | 31 << 5 | 1 << 10, 1 | 16 << 5 | 1 << 10}},
         }) {
        for (int facing = 0; facing < 4; ++facing)
            EXPECT_EQ(PackPlacement(facing, row.picture, row.a, row.b), row.facing[facing])
                << row.name << " facing " << facing;
    }
}

TEST(PlacementTest, flaggedPlacementPerFacing) {
    struct Row {
        const char* name;
        SPictureSize picture;
        bool flagged;
        int a, b;
        uint16_t facing[4];
    };
    constexpr uint16_t out = 0x0400;
    for (Row row : {
             Row{"wide", {400, 10}, false, 8, 20, {0x0421, 0x0421, 0x0421, 0x0421}},
             // 16 steps wide: across 11; flagged, the second step is b itself.
             Row{"flagged",
                 {120, 120},
                 true,
                 8,
                 3,
                 {11 | 3 << 5 | out, 29 | 11 << 5 | out, 21 | 29 << 5 | out, 3 | 21 << 5 | out}},
             // Not flagged, b is placed as a is: 7 + 17 x 20 / 32 = 17.
             Row{"placed",
                 {120, 120},
                 false,
                 8,
                 20,
                 {11 | 17 << 5 | out, 15 | 11 << 5 | out, 21 | 15 << 5 | out, 17 | 21 << 5 | out}},
         }) {
        for (int facing = 0; facing < 4; ++facing)
            EXPECT_EQ(PackPlacementFlagged(facing, row.picture, row.flagged, row.a, row.b), row.facing[facing])
                << row.name << " facing " << facing;
    }
}

TEST(PlacementTest, pointsTurnHalfAndQuarterRoundOnFacingsTwoAndThree) {
    struct Row {
        int facing, x, y;
    };
    for (Row row : {Row{0, 5, 9}, Row{1, 5, 9}, Row{2, 27, 23}, Row{3, 9, 27}}) {
        int x = 5, y = 9;
        RotatePoint(x, y, row.facing);
        EXPECT_EQ(x, row.x) << row.facing;
        EXPECT_EQ(y, row.y) << row.facing;
    }
}

TEST(PlacementTest, aTargetTextSplitsAtItsFirstHash) {
    struct Row {
        const char* text;
        const char* before;
        const char* after;
    };
    for (Row row : {Row{"Climb down?#base_cellar", "Climb down?", "base_cellar"}, Row{"base_cellar", "base_cellar", ""},
                    Row{"#base_cellar", "", ""}, Row{"a#b#c", "a", "b#c"}, Row{"a#", "a", ""}, Row{"", "", ""},
                    Row{nullptr, "", ""}}) {
        SString before("old"), after("old");
        SplitPictureName(row.text, before, after);
        EXPECT_STREQ(before.Text(), row.before) << (row.text ? row.text : "null");
        EXPECT_STREQ(after.Text(), row.after) << (row.text ? row.text : "null");
    }
}

}  // namespace

}  // namespace placement_test
