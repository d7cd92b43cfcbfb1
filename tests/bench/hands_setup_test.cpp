// The hands benchmark draws the weapon hand the sample world's player holds: a good part of the
// hands' areas is written (the rest is the pictures' key colour), and nothing outside them.
#include <gtest/gtest.h>

#include "bench/setups/hands.h"
#include "support/back_buffer_pixels.h"
#include "support/written_pixels.h"

namespace hands_setup_test {

namespace {

using namespace hands;

TEST(HandsBenchSetupTest, drawsTheHandsInTheirAreas) {
    SSampleWorldSession session;
    std::string error;
    ASSERT_TRUE(StartHands(session, error)) << error;
    PlayDriver& driver = session.Driver();
    const std::span<uint16_t> pixels = BackBufferPixels(*driver.Game().m_display);
    ASSERT_FALSE(pixels.empty());
    const size_t written = CountWrittenPixels(pixels, [&] { DrawHands(driver); });
    const size_t areas = size_t(HandAreaPixels(driver));
    EXPECT_GT(written, areas / 10);
    EXPECT_LE(written, areas);
}

}  // namespace

}  // namespace hands_setup_test
