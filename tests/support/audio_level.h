#pragma once
// How loud mixed output is, for tests that listen to the headless speaker.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The largest magnitude among the samples (0 for silence).
inline int Peak(const std::vector<int16_t>& samples) {
    int highest = 0;
    for (int16_t s : samples) highest = std::max(highest, std::abs(int(s)));
    return highest;
}

// The peak of each side of interleaved stereo frames.
struct StereoPeak {
    int left = 0;
    int right = 0;
};

inline StereoPeak PeakPerSide(const std::vector<int16_t>& frames) {
    StereoPeak peak;
    for (size_t i = 0; i + 1 < frames.size(); i += 2) {
        peak.left = std::max(peak.left, std::abs(int(frames[i])));
        peak.right = std::max(peak.right, std::abs(int(frames[i + 1])));
    }
    return peak;
}
