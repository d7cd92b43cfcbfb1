#include "screens/play/rain_weather.h"

#include <algorithm>

#include "engine/base/random.h"

namespace {

constexpr int32_t kDryRolls = 70;
constexpr int32_t kRollBase = 60;
constexpr int32_t kPerRoll = 25;
constexpr int32_t kTargetSpread = 200;
constexpr int32_t kLeastDriftTarget = 300;
constexpr int32_t kLeastCountdown = 300;

int32_t around(int32_t value, SRandom& random) { return value + random.Next(kTargetSpread) - kTargetSpread / 2; }

}  // namespace

int32_t SRainWeather::IntensityOfRoll(int32_t roll) { return roll > kDryRolls ? (roll - kRollBase) * kPerRoll : 0; }

void SRainWeather::Roll(int32_t roll, SRandom& random) {
    intensity = std::clamp(IntensityOfRoll(roll), 0, kMost);
    if (intensity == 0)
        dry();
    else
        aimAt(std::clamp(around(intensity, random), 0, kMost), random);
}

void SRainWeather::Hold(int32_t newIntensity, SRandom& random) {
    intensity = std::clamp(newIntensity, 0, kMost);
    if (intensity == 0)
        dry();
    else
        aimAt(intensity, random);
}

void SRainWeather::dry() {
    target = 0;
    direction = 0;
    countdown = kDrySpell;
}

void SRainWeather::Drift(SRandom& random) {
    if (countdown > 0) {
        --countdown;
        return;
    }
    // Kept within its range whatever a loaded game or a script left behind, so that the renderer
    // and the sound never see a rain below nothing.
    intensity = std::clamp(intensity + direction, 0, kMost);
    // Met or passed, or never to be met going this way.
    if ((target - intensity) * direction <= 0)
        aimAt(std::clamp(around(intensity, random), kLeastDriftTarget, kMost), random);
}

// A target equal to the intensity gives no direction: a step either way would run past it, and
// the intensity would never meet its target again.
void SRainWeather::aimAt(int32_t newTarget, SRandom& random) {
    target = newTarget;
    countdown = random.Next(kLeastCountdown) + kLeastCountdown;
    direction = intensity < target ? 1 : intensity > target ? -1 : 0;
}
