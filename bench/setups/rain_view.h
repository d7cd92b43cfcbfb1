#pragma once
// Rain over the largest 3-D view, 800x480 with the most streaks, shared by the rain benchmark and
// the test that counts the streaks' pixels.
#include <memory>
#include <vector>

#include "engine/base/random.h"
#include "render/rain.h"

namespace rain_view {

constexpr int kWidth = 800;
constexpr int kHeight = 480;
constexpr int32_t kFrame = 40 * 65536 / 1000;  // 40 ms in 16.16 seconds

struct View {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SRasterTarget target;
    SRandom random;
    std::unique_ptr<SRain> rain = std::make_unique<SRain>();

    View() {
        target.Set(pixels.data(), kWidth, kHeight, kWidth, 0);
        random.Seed(1);
        rain->Reset(SRain::kMaxStreaks, 0xA534, kWidth, kHeight, random);
        // Streaks that have fallen a while, some respawned, as in a running game.
        for (int frame = 0; frame < 50; ++frame) rain->Update(kFrame, random);
    }
};

// One frame's streaks: the tenth in front of the first-person item, then the rest.
inline void DrawRain(View& view) {
    view.rain->Draw(view.target, 1);
    view.rain->Draw(view.target, 0);
}

}  // namespace rain_view
