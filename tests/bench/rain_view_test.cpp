// The rain benchmark's view holds falling streaks: a frame's drawing writes tens of thousands of
// pixels scattered over the view, none outside it.
#include "bench/setups/rain_view.h"

#include <gtest/gtest.h>

#include "support/written_pixels.h"

namespace rain_view_test {

namespace {

using namespace rain_view;

TEST(RainViewBenchSetupTest, streaksCoverAboutThirtyPixelsEach) {
    View view;
    const size_t written = CountWrittenPixels(view.pixels, [&] { DrawRain(view); });
    EXPECT_GE(written, size_t(SRain::kMaxStreaks) * 20);
    EXPECT_LE(written, size_t(SRain::kMaxStreaks) * 40);
}

}  // namespace

}  // namespace rain_view_test
