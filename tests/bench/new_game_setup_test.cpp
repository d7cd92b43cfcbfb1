// The new game's benchmark set-up shows its loading dialog: the whole screen is drawn and a frame
// presented at every loading step, not only the play screen's first frame.
#include <gtest/gtest.h>

#include "bench/setups/new_game.h"
#include "support/back_buffer_pixels.h"
#include "support/written_pixels.h"

namespace new_game_setup_test {

namespace {

using namespace new_game;

TEST(NewGameBenchSetupTest, drawsTheWholeScreenAndPresentsEveryLoadingStep) {
    SSampleWorldSession session;
    std::string error;
    ASSERT_TRUE(session.Start(kScreenMode800x600, "base_start", error)) << error;
    PlayDriver& driver = session.Driver();
    NewGameLoading loading(driver.Game());
    const std::span<uint16_t> pixels = BackBufferPixels(*driver.Game().m_display);
    ASSERT_FALSE(pixels.empty());
    const int presentsBefore = platform::headless::PresentCount();
    bool started = false;
    const size_t written = CountWrittenPixels(pixels, [&] { started = BeginNewGame(driver, loading, error); });
    ASSERT_TRUE(started) << error;
    EXPECT_EQ(written, pixels.size());
    // Two new games, each with the dialog's first drawing, a present per step and the first frame.
    EXPECT_GE(platform::headless::PresentCount() - presentsBefore, 2 * 19);
}

}  // namespace

}  // namespace new_game_setup_test
