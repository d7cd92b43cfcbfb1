#include "render/upright_rules.h"

#include <gtest/gtest.h>

namespace upright_rules_test {

namespace {

// Bits 0-4 the x step, 5-9 the y step, 10-14 the height step, bit 15 "projects"; steps 1 to 31 run
// over a cell and a storey, the second picture's grid one unit shorter.
TEST(UprightRulesTest, packedPositionsDecodeToStepsAndPlaces) {
    struct Row {
        uint16_t word;
        int32_t xStep, yStep, heightStep;
        bool projects;
        int32_t x, y, height;
        int32_t secondX, secondHeight;
    };
    const Row rows[] = {
        {0x0421, 1, 1, 1, false, 0, 0, 0, 0, 0},
        {0x7FFF, 31, 31, 31, false, 1024, 1024, 731, 1023, 730},
        {0x8000 | 16 << 10 | 16 << 5 | 16, 16, 16, 16, true, 512, 512, 365, 511, 365},
        {uint16_t(2 | 30 << 5 | 3 << 10), 2, 30, 3, false, 34, 989, 48, 34, 48},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word);
        const SPackedPosition at = SPackedPosition::Decode(row.word);
        EXPECT_EQ(at.xStep, row.xStep);
        EXPECT_EQ(at.yStep, row.yStep);
        EXPECT_EQ(at.heightStep, row.heightStep);
        EXPECT_EQ(at.projects, row.projects);
        EXPECT_EQ(at.X(), row.x);
        EXPECT_EQ(at.Y(), row.y);
        EXPECT_EQ(at.Height(), row.height);
        EXPECT_EQ(at.X(1023), row.secondX);
        EXPECT_EQ(at.Height(730), row.secondHeight);
    }
}

// The half of the cell on the viewer's left is mirrored; the middle line itself is not.
TEST(UprightRulesTest, freePicturesOnTheViewersLeftAreMirroredButNotOnTheMiddleLine) {
    struct Row {
        int32_t degrees, x, y;
        bool mirrored;
    };
    const Row rows[] = {
        {0, 100, 512, true},  {0, 512, 512, false}, {44, 900, 0, false},   {315, 511, 0, true},  {45, 0, 600, true},
        {134, 0, 512, false}, {90, 0, 100, false},  {135, 600, 0, true},   {224, 512, 0, false}, {180, 100, 0, false},
        {225, 0, 100, true},  {314, 0, 512, false}, {270, 0, 1000, false}, {359, 511, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.degrees << " degrees at " << row.x << ", " << row.y);
        EXPECT_EQ(IsMirroredAt(row.degrees, row.x, row.y), row.mirrored);
    }
}

}  // namespace

}  // namespace upright_rules_test
