// While it rains over a scene that has not moved, a frame draws the rain and the hands over the
// scene kept from the last frame; the result is the frame a full redraw would give.
#include <gtest/gtest.h>

#include <vector>

#include "engine/base/random.h"
#include "tiny_world_view.h"

namespace kept_scene_test {

namespace {

constexpr uint16_t kDayRain = 0xA534;

// The yard in rain at 120 x 90, seeded alike, two frames apart: the second either drawn in full or
// over the kept scene. `resize` changes the view between the two frames.
std::vector<uint16_t> SecondRainFrame(int orientation, bool sceneUnchanged, bool resize) {
    STinyWorldView view(kSampleYard, 120, 90, orientation);
    SViewDescriptor& descriptor = view.world.View();
    descriptor.m_flags |= SViewDescriptor::kRain;
    SRandom random;
    random.Seed(7);
    view.render->ResetRain(300, kDayRain, random);
    view.Frame(7.5, 12.5, 45 << 16);
    if (resize) {
        descriptor.m_viewWidth = 100;
        view.render->UpdateProjection();
    }
    view.render->UpdateRain(40 * 65536 / 1000, random);
    view.render->RenderFrame(sceneUnchanged);
    return view.surface->Pixels();
}

class KeptSceneTest : public ::testing::TestWithParam<int> {};

TEST_P(KeptSceneTest, rainOverTheKeptSceneEqualsAFullRedraw) {
    const std::vector<uint16_t> full = SecondRainFrame(GetParam(), false, false);
    EXPECT_EQ(SecondRainFrame(GetParam(), true, false), full);
}

// A view that changed its size on the surface is not the kept scene's: it is drawn in full, even
// when the caller says that nothing moved.
TEST_P(KeptSceneTest, aResizedViewIsDrawnInFull) {
    EXPECT_EQ(SecondRainFrame(GetParam(), true, true), SecondRainFrame(GetParam(), false, true));
}

INSTANTIATE_TEST_SUITE_P(EveryOrientation, KeptSceneTest, ::testing::Values(0, 1, 2));

}  // namespace

}  // namespace kept_scene_test
