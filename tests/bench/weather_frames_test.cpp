// The weather frames' benchmark set-ups draw what their names claim: the rain frames write at
// least the whole view (restored or drawn again, then the streaks), the cave's still frame little.
#include "bench/setups/weather_frames.h"

#include <gtest/gtest.h>

#include "support/back_buffer_pixels.h"
#include "support/written_pixels.h"

namespace weather_frames_test {

namespace {

using namespace weather_frames;

TEST(WeatherFrameBenchSetupsTest, rainFramesWriteTheWholeViewAndTheStillCaveLittle) {
    for (const WeatherFrame& frame : WeatherFrames()) {
        SSampleWorldSession session;
        std::string error;
        ASSERT_TRUE(StartWeather(session, frame, error)) << frame.name << ": " << error;
        PlayDriver& driver = session.Driver();
        RunWeatherFrame(driver, frame);
        const std::span<uint16_t> pixels = BackBufferPixels(*driver.Game().m_display);
        ASSERT_FALSE(pixels.empty()) << frame.name;
        const size_t written = CountWrittenPixels(pixels, [&] { RunWeatherFrame(driver, frame); });
        const SViewDescriptor& view = driver.Game().PlayView();
        const size_t viewPixels = size_t(view.m_viewWidth) * view.m_viewHeight;
        if (frame.weatherRoll != 0) {
            EXPECT_NE(driver.Play().GetRainIntensity(), 0) << frame.name;
            EXPECT_GE(written, viewPixels) << frame.name;
        } else {
            EXPECT_LT(written, viewPixels / 10) << frame.name;
        }
    }
}

}  // namespace

}  // namespace weather_frames_test
