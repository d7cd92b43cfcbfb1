// The present benchmark's frame reaches the whole portrait screen: turned, the screen holds every
// pixel of the landscape frame once.
#include "bench/setups/turned_present.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace turned_present_test {

namespace {

using namespace turned_present;

TEST(TurnedPresentBenchSetupTest, thePresentShowsEveryPixelOfTheFrame) {
    TurnedDisplay display;
    ASSERT_TRUE(display.Made());
    display.Present();
    std::vector<uint16_t> shown = platform::headless::Screen();
    std::vector<uint16_t> drawn;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) drawn.push_back(uint16_t(x ^ y));
    std::sort(shown.begin(), shown.end());
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(shown, drawn);
}

}  // namespace

}  // namespace turned_present_test
