#include "screens/play/target_panels.h"

#include <gtest/gtest.h>

namespace target_panels_test {

namespace {

// A 240 x 240 view at (10, 20) with a 15-pixel font and a 16-pixel icon.
TEST(TargetPanelsTest, thePanelsRestOnTheViewsBottomCorners) {
    const STargetPanels panels = LayoutTargetPanels(10, 20, 240, 240, 15, 16);
    EXPECT_EQ(panels.left.width, 108);
    EXPECT_EQ(panels.left.left, 12);
    EXPECT_EQ(panels.right.left, 10 + 240 - 108 - 2);
    for (const STargetPanel& panel : {panels.left, panels.right}) {
        EXPECT_EQ(panel.oneLine.height, 25);
        EXPECT_EQ(panel.oneLine.top, 20 + 240 - 25 - 1);
        EXPECT_EQ(panel.oneLine.innerHeight, 21);
        EXPECT_EQ(panel.oneLine.textTop, panel.oneLine.top + 9);
        EXPECT_EQ(panel.twoLines.height, 41);
        EXPECT_EQ(panel.twoLines.top, 20 + 240 - 41 - 2);
        EXPECT_EQ(panel.twoLines.innerHeight, 37);
        EXPECT_EQ(panel.textLeft, panel.left + 2 + 16 + 3);
        EXPECT_EQ(panel.textWidth, 108 - 16 - 6);
    }
}

}  // namespace

}  // namespace target_panels_test
