#include "tools/sampledata/sky_panorama.h"

#include <cmath>
#include <string>

#include "tools/sampledata/art_canvas.h"

namespace {

constexpr int kWidth = 760;
constexpr int kSkyRows = 100;
constexpr int kRows = 110;
constexpr int kMarkSpacing = kWidth / 4;  // 30 of the panorama's 120 degrees
constexpr int kCloudOpacity = 190;        // of 256

// Soft clouds, each an ellipse (centre x, centre y, half width, half height), wrapping round the
// panorama's seam.
struct SCloud {
    double x, y, halfWidth, halfHeight;
};
constexpr SCloud kFewClouds[] = {{96, 40, 52, 9}, {300, 22, 40, 7}, {470, 58, 64, 10}, {690, 34, 46, 8}};
constexpr SCloud kManyClouds[] = {{40, 30, 90, 14},   {200, 60, 110, 16}, {330, 20, 80, 12}, {480, 45, 120, 18},
                                  {640, 70, 100, 14}, {720, 25, 70, 12},  {560, 88, 90, 10}, {130, 86, 80, 10}};

template <size_t N>
bool inAny(const SCloud (&clouds)[N], double bx, double by) {
    for (const SCloud& cloud : clouds) {
        double dx = std::fabs(bx - cloud.x);
        dx = std::min(dx, kWidth - dx);
        if (std::pow(dx / cloud.halfWidth, 2) + std::pow((by - cloud.y) / cloud.halfHeight, 2) <= 1) return true;
    }
    return false;
}

// Whether the 2x2 block holding texel (x, y) lies in a cloud: whole blocks only, so that the picture
// needs few of them.
bool inCloud(int clouds, int x, int y) {
    const double bx = (x & ~1) + 1, by = (y & ~1) + 1;
    if (clouds == 1) return inAny(kFewClouds, bx, by);
    return clouds > 1 && inAny(kManyClouds, bx, by);
}

// A star on one 2x2 block in every few hundred, scattered but the same on every run.
bool isStar(int x, int y) {
    uint32_t h = uint32_t(x / 2) * 2654435761u ^ uint32_t(y / 2) * 40503u;
    h ^= h >> 15;
    return h % 97 == 0;
}

}  // namespace

std::vector<uint8_t> SkyPanoramaRecord(const SSkyLook& look, uint16_t fogColour) {
    SArtCanvas canvas(kWidth, kRows);
    const auto skyColour = [&](int y) {
        return ArtMix(look.top, look.horizon, std::min(y, kSkyRows - 1) * 256 / (kSkyRows - 1));
    };
    const uint16_t star = ArtColour(250, 250, 220);
    canvas.Paint([&](int x, int y) -> uint16_t {
        if (y == kRows - 1) return fogColour;
        if (y >= kSkyRows) return ArtMix(look.horizon, fogColour, (y - kSkyRows + 1) * 256 / (kRows - kSkyRows));
        if (inCloud(look.clouds, x, y)) return ArtMix(skyColour(y), look.cloud, kCloudOpacity);
        if (look.stars && y < kSkyRows - 20 && isStar(x, y)) return star;
        return skyColour(y);
    });
    if (!look.marks) return canvas.BlockRecord();
    // The marks stand on the horizon, each a pole two texels wide with its angle above it.
    const uint16_t pole = ArtColour(52, 52, 76), label = ArtColour(255, 236, 140);
    for (int mark = 0; mark < 4; ++mark) {
        const int x = mark * kMarkSpacing;
        canvas.Fill(x, 24, 2, kSkyRows - 24, pole);
        canvas.Text(x + 4, 6, std::to_string(mark * 30).c_str(), 2, label);
    }
    return canvas.BlockRecord();
}

std::vector<uint8_t> SkyPanoramaRecord(uint16_t fogColour) {
    const SSkyLook clearDay{ArtColour(40, 84, 170), ArtColour(160, 196, 232), ArtColour(250, 250, 250), 1, false, true};
    return SkyPanoramaRecord(clearDay, fogColour);
}
