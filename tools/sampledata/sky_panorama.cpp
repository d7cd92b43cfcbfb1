#include "tools/sampledata/sky_panorama.h"

#include <cmath>
#include <string>

#include "tools/sampledata/art_canvas.h"

namespace {

constexpr int kWidth = 760;
constexpr int kSkyRows = 100;
constexpr int kRows = 110;
constexpr int kMarkSpacing = kWidth / 4;  // 30 of the panorama's 120 degrees

uint16_t SkyColour(int y) {
    return ArtMix(ArtColour(40, 84, 170), ArtColour(160, 196, 232), std::min(y, kSkyRows - 1) * 256 / (kSkyRows - 1));
}

// Soft clouds, each an ellipse (centre x, centre y, half width, half height), wrapping round the
// panorama's seam.
struct SCloud {
    double x, y, halfWidth, halfHeight;
};
constexpr SCloud kClouds[] = {{96, 40, 52, 9}, {300, 22, 40, 7}, {470, 58, 64, 10}, {690, 34, 46, 8}};

// Whether the 2x2 block holding texel (x, y) lies in a cloud: whole blocks only, so that the picture
// needs few of them.
bool InCloud(int x, int y) {
    const double bx = (x & ~1) + 1, by = (y & ~1) + 1;
    for (const SCloud& cloud : kClouds) {
        double dx = std::fabs(bx - cloud.x);
        dx = std::min(dx, kWidth - dx);
        if (std::pow(dx / cloud.halfWidth, 2) + std::pow((by - cloud.y) / cloud.halfHeight, 2) <= 1) return true;
    }
    return false;
}

}  // namespace

std::vector<uint8_t> SkyPanoramaRecord(uint16_t fogColour) {
    SArtCanvas canvas(kWidth, kRows);
    const uint16_t horizon = SkyColour(kSkyRows - 1);
    canvas.Paint([&](int x, int y) -> uint16_t {
        if (y == kRows - 1) return fogColour;
        if (y >= kSkyRows) return ArtMix(horizon, fogColour, (y - kSkyRows + 1) * 256 / (kRows - kSkyRows));
        return InCloud(x, y) ? ArtMix(SkyColour(y), ArtColour(250, 250, 250), 190) : SkyColour(y);
    });
    // The marks stand on the horizon, each a pole two texels wide with its angle above it.
    const uint16_t pole = ArtColour(52, 52, 76), label = ArtColour(255, 236, 140);
    for (int mark = 0; mark < 4; ++mark) {
        const int x = mark * kMarkSpacing;
        canvas.Fill(x, 24, 2, kSkyRows - 24, pole);
        canvas.Text(x + 4, 6, std::to_string(mark * 30).c_str(), 2, label);
    }
    return canvas.BlockRecord();
}
