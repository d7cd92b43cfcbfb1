// The weather: a new roll each day (and after time passed at once), the rain's drift a minute at a
// time, the thunder of heavy rain on the surface with its flash, and what scripts set of it.
#include <algorithm>

#include "engine/audio/volume.h"
#include "engine/base/random.h"
#include "engine/files/unix_time.h"
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/state_game.h"
#include "screens/play/wall_clock.h"

namespace {

constexpr int32_t kRolls = 100;
constexpr int32_t kMostScriptRoll = 100;
// Thunder comes at most once in this many wall-clock seconds, on a roll above 80; a second roll of
// 50 or less brings it close, with its clap at once, else it rolls in from afar as the flash ends.
constexpr uint32_t kThunderPauseSeconds = 10;
constexpr int32_t kThunderAbove = 80;
constexpr int32_t kCloseAtMost = 50;
// Scripts speak of rain 0..100, tenths of the intensity.
constexpr int32_t kScriptRainScale = SRainWeather::kMost / 100;
constexpr int32_t kMostScriptRain = 100;

}  // namespace

void SStateGame::UpdateWeather(bool newRoll) {
    SRandom* random = m_game->m_random.get();
    if (random == nullptr) return;
    if (newRoll) {
        RollWeather(random->Next(kRolls));
        return;
    }
    m_rain.Drift(*random);
    if (OnSurface()) {
        thunder(GetUnixTime());
    } else if (m_thunder != 0) {
        // Below ground no flash shows.
        m_thunder = 0;
        UpdateSkyAndFog(false);
    }
    ApplyRain(m_rain.intensity == 0);
    UpdateRainSound();
}

void SStateGame::RollWeather(int32_t roll) {
    if (m_game->m_random == nullptr) return;
    m_weatherRoll = uint32_t(std::clamp(roll, 0, kRolls - 1));
    m_rain.Roll(int32_t(m_weatherRoll), *m_game->m_random);
    ApplyRain(m_rain.intensity == 0);
    UpdateRainSound();
}

void SStateGame::thunder(uint32_t now) {
    if (m_rain.intensity < SRainWeather::kHeavy) return;
    if (SecondsSince(m_lastThunder, now) <= kThunderPauseSeconds) return;
    SRandom& random = *m_game->m_random;
    if (random.Next(100) <= kThunderAbove) return;
    m_farThunder = random.Next(100) > kCloseAtMost;
    if (m_farThunder == 0) PlaySound("bsnd_thunderclose", kLoudestVolume);
    m_lastThunder = now;
    m_thunder = 1;
    UpdateSkyAndFog(false);
}

void SStateGame::PlayPendingThunder() {
    if (m_thunder == 0 || SecondsSince(m_lastThunder, GetUnixTime()) == 0) return;
    if (m_farThunder != 0) PlaySound("bsnd_thunderfar", kLoudestVolume);
    m_farThunder = 0;
    m_thunder = 0;
    UpdateSkyAndFog(false);
}

void SStateGame::ApplyRain(bool reset) {
    SRender* render = m_game->m_render.get();
    SRandom* random = m_game->m_random.get();
    if (render == nullptr || random == nullptr) return;
    if (reset)
        render->ResetRain(m_rain.intensity, rainColour(), *random);
    else
        render->SetRainCount(m_rain.intensity, rainColour(), *random);
}

void SStateGame::SetSkyOverride(const char* sky, int32_t roll) {
    m_skyOverride = sky ? sky : "";
    m_weatherRoll = uint32_t(std::clamp(roll, 0, kMostScriptRoll));
    UpdateSkyAndFog(true);
}

int32_t SStateGame::WeatherCloud() const { return int32_t(m_weatherRoll); }
void SStateGame::SetWeatherCloud(const char* sky, int32_t cloud) { SetSkyOverride(sky, cloud); }

int32_t SStateGame::WeatherRain() const { return m_rain.intensity / kScriptRainScale; }

// A script's rain holds where it is set until its countdown runs out, then drifts as any rain.
void SStateGame::SetWeatherRain(int32_t rain) {
    if (m_game->m_random == nullptr) return;
    m_rain.Hold(std::clamp(rain, 0, kMostScriptRain) * kScriptRainScale, *m_game->m_random);
    ApplyRain(m_rain.intensity == 0);
    UpdateRainSound();
}
