// The sky frame benchmark's outdoor view is drawn whole: sky, horizon band and ground cover every
// pixel but for stray seam pixels.
#include "bench/setups/sky_frame.h"

#include <gtest/gtest.h>

#include "support/written_pixels.h"

namespace sky_frame_test {

namespace {

TEST(SkyFrameBenchSetupTest, theSkyFrameDrawsEveryPixelOfTheView) {
    sky_frame::SkyFrame frame;
    const size_t written = CountWrittenPixels(frame.pixels, [&] { frame.render->RenderFrame(); });
    EXPECT_TRUE(CoversTheArea(written, frame.pixels.size())) << written << " of " << frame.pixels.size();
}

}  // namespace

}  // namespace sky_frame_test
