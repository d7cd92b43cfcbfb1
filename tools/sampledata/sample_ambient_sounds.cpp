#include "tools/sampledata/sample_ambient_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/sound_table.h"
#include "tools/sampledata/wave_writer.h"

namespace {

constexpr double kPi = 3.14159265358979;

// The same noise on every run: a linear congruential generator's high bits, -1 .. 1.
class SNoise {
public:
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(int32_t(m_state) >> 8) / double(1 << 23);
    }

private:
    uint32_t m_state = 12345;
};

// Noise through a one-pole low-pass filter (`smoothing` 0..1, higher is duller), at a steady level
// shaped by `envelope` (time in seconds to 0..1). Steady noise loops without a seam to hear.
std::vector<int16_t> shapedNoise(int rate, double seconds, double smoothing, int16_t loudness,
                                 double (*envelope)(double)) {
    SNoise noise;
    std::vector<int16_t> values(size_t(rate * seconds));
    double level = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        level = smoothing * level + (1 - smoothing) * noise.Next();
        values[i] = int16_t(std::lround(std::clamp(level * 3, -1.0, 1.0) * loudness * envelope(double(i) / rate)));
    }
    return values;
}

double steady(double) { return 1.0; }
double rumble(double t) { return std::exp(-t / 0.9) * (0.6 + 0.4 * std::sin(t * 9)); }
double splash(double t) { return 0.75 + 0.25 * std::sin(2 * kPi * t * 2); }

// Tones at `starts` seconds, each a short ping falling from `from` to `to` Hz.
std::vector<int16_t> pings(int rate, double seconds, const std::vector<double>& starts, double from, double to,
                           double length, int16_t loudness) {
    std::vector<int16_t> values(size_t(rate * seconds), 0);
    for (double start : starts) {
        double phase = 0;
        const size_t first = size_t(start * rate), count = size_t(length * rate);
        for (size_t i = 0; i < count && first + i < values.size(); ++i) {
            const double t = double(i) / double(count);
            phase += 2 * kPi * (from + (to - from) * t) / rate;
            values[first + i] = int16_t(std::lround(loudness * std::sin(phase) * (1 - t) * (1 - t)));
        }
    }
    return values;
}

void add(SSoundTable& table, const char* name, int rate, std::vector<int16_t> values) {
    auto sound = std::make_unique<SSoundType>();
    sound->name = name;
    sound->sampleImage = MakeWave(rate, 1, values);
    table.AddSound(std::move(sound));
}

}  // namespace

void AddAmbientSounds(SSoundTable& table, int rate) {
    add(table, "bsnd_rain", rate, shapedNoise(rate, 2.0, 0.2, 2500, steady));
    add(table, "bsnd_rainheavy", rate, shapedNoise(rate, 2.0, 0.5, 7000, steady));
    add(table, "bsnd_thunderfar", rate, shapedNoise(rate, 3.0, 0.97, 14000, rumble));
    add(table, "bsnd_fountain", rate, shapedNoise(rate, 1.0, 0.35, 5000, splash));
    add(table, "bsnd_drip", rate, pings(rate, 1.6, {0.1, 0.9}, 1800, 900, 0.08, 8000));
    add(table, "bsnd_birds", rate, pings(rate, 1.2, {0.0, 0.18, 0.36, 0.8}, 3200, 4200, 0.12, 6000));
}
