#include "screens/splash/splash_tracks.h"

#include <cmath>
#include <initializer_list>

namespace {

struct SSplashTracksCorner {
    double x;
    double y;
};

struct SStroke {
    int count;
    uint16_t startDelay;
    std::initializer_list<SSplashTracksCorner> corners;
};

// A point on the vale's curve: lowest under the middle of the word, rising to either end.
constexpr SSplashTracksCorner valePoint(double x) {
    const double t = (x - 123.0) / 111.0;
    return {x, 76.0 - 12.0 * t * t};
}

// The letters stand from y 6 to 56 in the order B, R, I, M, V, A, L, E; the vale lies below them.
// The dot counts and delays pace the drawing so that the vale's left half comes last.
const SStroke kStrokes[kSplashTrackCount] = {
    // B: the stem upwards, the upper bowl, then the lower bowl back to the foot.
    {48,
     0,
     {{16, 56},
      {16, 6},
      {32, 6},
      {37, 10},
      {37, 26},
      {32, 30},
      {16, 30},
      {33, 30},
      {38, 35},
      {38, 51},
      {33, 56},
      {16, 56}}},
    // R: the stem, then the bowl and the leg.
    {21, 0, {{44, 56}, {44, 6}}},
    {37, 20, {{44, 6}, {60, 6}, {65, 10}, {65, 26}, {60, 30}, {50, 30}, {66, 56}}},
    // M.
    {54, 0, {{82, 56}, {82, 6}, {96, 36}, {110, 6}, {110, 56}}},
    // I.
    {7, 0, {{74, 6}, {74, 56}}},
    // V.
    {28, 30, {{124, 6}, {136, 56}, {148, 6}}},
    // A: the bar, then the two legs.
    {7, 0, {{159, 38}, {173, 38}}},
    {54, 30, {{154, 56}, {166, 6}, {178, 56}}},
    // L.
    {26, 0, {{186, 6}, {186, 56}, {206, 56}}},
    // E: the middle bar.
    {11, 0, {{214, 31}, {230, 31}}},
    // The vale's left half, from the far end down to the middle.
    {53,
     40,
     {valePoint(12), valePoint(30), valePoint(50), valePoint(70), valePoint(90), valePoint(110), valePoint(123)}},
    // E: the top bar, then the stem with the foot.
    {12, 0, {{214, 6}, {234, 6}}},
    {46, 40, {{214, 6}, {214, 56}, {234, 56}}},
    // The vale's right half.
    {47,
     0,
     {valePoint(234), valePoint(216), valePoint(196), valePoint(176), valePoint(156), valePoint(136), valePoint(123)}},
};

// `count` points spread evenly along the stroke's corners, the first and the last on its ends.
std::vector<SSplashPoint> sampleStroke(const SStroke& stroke) {
    const std::vector<SSplashTracksCorner> corners(stroke.corners);
    std::vector<double> reach{0.0};
    for (size_t i = 1; i < corners.size(); ++i)
        reach.push_back(reach.back() + std::hypot(corners[i].x - corners[i - 1].x, corners[i].y - corners[i - 1].y));
    std::vector<SSplashPoint> points;
    size_t leg = 1;
    for (int i = 0; i < stroke.count; ++i) {
        const double along = stroke.count == 1 ? 0.0 : reach.back() * i / (stroke.count - 1);
        while (leg + 1 < corners.size() && reach[leg] < along) ++leg;
        const double length = reach[leg] - reach[leg - 1];
        const double t = length > 0 ? (along - reach[leg - 1]) / length : 0.0;
        const SSplashTracksCorner& from = corners[leg - 1];
        const SSplashTracksCorner& to = corners[leg];
        points.push_back(
            {int16_t(std::lround(from.x + (to.x - from.x) * t)), int16_t(std::lround(from.y + (to.y - from.y) * t))});
    }
    return points;
}

std::array<SSplashTrack, kSplashTrackCount> buildTracks(bool small) {
    std::array<SSplashTrack, kSplashTrackCount> tracks;
    for (int t = 0; t < kSplashTrackCount; ++t) {
        tracks[t].startDelay = kStrokes[t].startDelay;
        tracks[t].points = sampleStroke(kStrokes[t]);
        if (small)
            for (SSplashPoint& point : tracks[t].points)
                point = {ShrinkSplashCoordinate(point.x), ShrinkSplashCoordinate(point.y)};
    }
    return tracks;
}

}  // namespace

const std::array<SSplashTrack, kSplashTrackCount>& SplashTracks(bool small) {
    static const std::array<SSplashTrack, kSplashTrackCount> design = buildTracks(false);
    static const std::array<SSplashTrack, kSplashTrackCount> shrunk = buildTracks(true);
    return small ? shrunk : design;
}

int16_t ShrinkSplashCoordinate(int16_t c) { return int16_t((2 * c) / 3 - 1); }
