#pragma once
// The play screen's frames in the sample world's weather at 800x600, shared by their benchmark and
// the test that checks what each frame draws: heavy rain on the surface and in the village of
// Eastbrook among its houses and townspeople, either on the kept scene (standing still, the view's
// scene restored and the streaks drawn over it) or with the scene drawn again (as while turning or
// walking); and standing still in the dripping cave, where only the clocks work.
#include <string>
#include <vector>

#include "bench/sample_world_start.h"
#include "tools/sampledata/sample_ambient_places.h"

namespace weather_frames {

constexpr uint32_t kScreenMode800x600 = 15;

struct WeatherFrame {
    std::string name;
    std::string position;
    int32_t weatherRoll = 0;  // 99 for heavy rain, 0 for none
    bool sceneRedrawn = false;
};

inline std::vector<WeatherFrame> WeatherFrames() {
    return {
        {"HeavyRainOnTheSurfaceOnTheKeptScene", "base_surface", 99, false},
        {"HeavyRainOnTheSurfaceSceneRedrawn", "base_surface", 99, true},
        {"HeavyRainInTheVillageOnTheKeptScene", VillagePortalPosition(), 99, false},
        {"HeavyRainInTheVillageSceneRedrawn", VillagePortalPosition(), 99, true},
        {"StandingInTheCave", kCavePosition, 0, false},
    };
}

// The session's game started at the frame's place in its weather.
inline bool StartWeather(SSampleWorldSession& session, const WeatherFrame& frame, std::string& error) {
    if (!session.Start(kScreenMode800x600, frame.position.c_str(), error)) return false;
    session.Driver().Play().RollWeather(frame.weatherRoll);
    return true;
}

// One frame as the main loop runs it.
inline void RunWeatherFrame(PlayDriver& driver, const WeatherFrame& frame) {
    if (frame.sceneRedrawn) driver.Play().m_redrawRequest = 1;
    driver.Frame();
}

}  // namespace weather_frames
