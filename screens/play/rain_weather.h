#pragma once
// SRainWeather: the rain of the weather. Each new day's roll (0..99) starts rain above 70, and a game minute
// at a time the intensity (0..1000) drifts one step towards a target; reaching it, a new target
// is drawn. A dry roll sets a countdown of 65,535 minutes before the rain may rise again.
#include <cstdint>

class SRandom;

struct SRainWeather {
    static constexpr int32_t kMost = 1000;
    // At this intensity and above the rain is heavy: the loop and the thunder change.
    static constexpr int32_t kHeavy = 500;
    static constexpr int32_t kDrySpell = 65535;

    // The intensity a roll starts with: 0 up to 70, then 275 for 71 rising by 25 to 975 for 99.
    static int32_t IntensityOfRoll(int32_t roll);
    // A new day's weather from the roll; the random target and countdown come from `random`.
    void Roll(int32_t roll, SRandom& random);
    // One game minute.
    void Drift(SRandom& random);
    // A script's rain: it holds at that intensity until its countdown runs out; 0 is a dry spell.
    void Hold(int32_t newIntensity, SRandom& random);

    int32_t intensity = 0;
    int32_t target = 0;
    int32_t countdown = 0;  // minutes before the next step
    int32_t direction = 0;  // +1 or -1 a step; 0 while the intensity stands on its target

private:
    void dry();
    void aimAt(int32_t newTarget, SRandom& random);
};
