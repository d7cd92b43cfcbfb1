// The hands in the 3-D view on every size of view, through the play screen on the sample world's
// new game (a short sword in the weapon hand, a shield in the other): their pictures are drawn for
// a view of 380 by 320 pixels, so a smaller view shows a smaller share of each, and no hand pixel
// lies outside the corner that share gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "render/view_descriptor.h"
#include "screens/play/sample_world_play.h"
#include "support/view_probe.h"

namespace hands_on_small_views_test {

namespace {

struct HandsCase {
    const char* name;
    uint32_t mode;
    int viewWidth, viewHeight;
};

void PrintTo(const HandsCase& c, std::ostream* out) { *out << c.name; }

// The share of a picture that rises into a view, in percent: unchanged from a view of 380 by 320
// up, else as on a view larger by 7/12 of the shortfall across and by half of it down.
int shareOn(int percent, int view, int reference, int shortfallTwelfths) {
    if (view >= reference) return percent;
    return (view + (reference - view) * shortfallTwelfths / 12) * std::min(percent, 100) / reference;
}

// The part of a picture the view shows at the percentages, in pixels, as the view's corner holds it.
ViewArea cornerOf(const SViewDescriptor& view, uint16_t picture, uint16_t palette, int widthPercent, int heightPercent,
                  bool right) {
    const std::optional<SPicture> shown = view.FindPicture(picture, palette);
    if (!shown) return {};
    const int w = shown->Width() * std::min(shareOn(widthPercent, view.m_viewWidth, 380, 7), 100) / 100;
    const int h = shown->Height() * std::min(shareOn(heightPercent, view.m_viewHeight, 320, 6), 100) / 100;
    const int left = right ? view.m_viewWidth - w : 0;
    return {left, view.m_viewHeight - h, left + w, view.m_viewHeight};
}

class HandsOnSmallViewsTest : public SampleWorldPlayTest, public ::testing::WithParamInterface<HandsCase> {};

TEST_P(HandsOnSmallViewsTest, eachHandShowsItsShareInItsCorner) {
    const HandsCase& c = GetParam();
    PlayDriver& driver = StartSampleWorld(c.mode);
    SViewDescriptor& view = Game().PlayView();
    ASSERT_EQ(view.m_viewWidth, c.viewWidth);
    ASSERT_EQ(view.m_viewHeight, c.viewHeight);
    const SFpsBlock hands = view.m_fps;
    ASSERT_NE(hands.m_firstPicture, 0) << "the sword";
    ASSERT_NE(hands.m_secondPicture, 0) << "the shield";
    ASSERT_FALSE(hands.m_secondWithFirst);

    const ViewShot both = RedrawView(driver);
    both.Keep(std::string("hands_") + c.name);
    view.m_fps.m_firstPicture = 0;
    const ViewShot shieldOnly = RedrawView(driver);
    view.m_fps.m_secondPicture = 0;
    const ViewShot none = RedrawView(driver);
    view.m_fps = hands;

    const ViewDifference sword = Difference(shieldOnly, both), shield = Difference(none, shieldOnly);
    const ViewArea swordCorner = cornerOf(view, hands.m_firstPicture, hands.m_firstPalette, hands.m_firstWidthPercent,
                                          hands.m_firstHeightPercent, true);
    const ViewArea shieldCorner = cornerOf(view, hands.m_secondPicture, hands.m_secondPalette,
                                           hands.m_secondWidthPercent, hands.m_secondHeightPercent, false);
    // Each hand shows inside its corner, down to the view's bottom; its top row lies within a few
    // rows of the corner's top, where the picture's first painted row comes.
    constexpr int kUnpaintedRows = 8;
    for (const auto& [name, drawn, corner] :
         {std::tuple{"sword", sword, swordCorner}, std::tuple{"shield", shield, shieldCorner}}) {
        ASSERT_GT(drawn.count, 0) << name;
        EXPECT_TRUE(corner.Contains(drawn.bounds))
            << name << " drawn over (" << drawn.bounds.left << "," << drawn.bounds.top << ")-(" << drawn.bounds.right
            << "," << drawn.bounds.bottom << "), its corner (" << corner.left << "," << corner.top << ")-("
            << corner.right << "," << corner.bottom << ")";
        EXPECT_EQ(drawn.bounds.bottom, c.viewHeight) << name;
        EXPECT_LE(drawn.bounds.top, corner.top + kUnpaintedRows) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, HandsOnSmallViewsTest,
    ::testing::Values(HandsCase{"portrait240x320", 7, 240, 240}, HandsCase{"square240x240", 8, 240, 160},
                      HandsCase{"landscape640x240", 16, 480, 240}, HandsCase{"portrait480x640", 10, 480, 480}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace hands_on_small_views_test
