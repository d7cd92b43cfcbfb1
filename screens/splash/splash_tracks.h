#pragma once
// The Brim Vale logo as the splash screen grows it: fourteen dotted tracks on a 246 x 80 design
// grid, each a stroke of the lettering or of the vale drawn under it, with the number of dots it
// takes and how many steps it waits before its first dot. The sample interface package draws the
// logo pictures through the same points, so that the dots reveal exactly the finished logo.
#include <array>
#include <cstdint>
#include <vector>

struct SSplashPoint {
    int16_t x = 0;
    int16_t y = 0;
    bool operator==(const SSplashPoint&) const = default;
};

struct SSplashTrack {
    std::vector<SSplashPoint> points;
    uint16_t startDelay = 0;  // in steps
};

inline constexpr int kSplashTrackCount = 14;
inline constexpr int kSplashGridWidth = 246;
inline constexpr int kSplashGridHeight = 80;
// Each dot reveals a square of this side with its top-left corner at the dot's point.
inline constexpr int kSplashDotSize = 3;

// The tracks in drawing order on the design grid, or shrunk for the small screens.
const std::array<SSplashTrack, kSplashTrackCount>& SplashTracks(bool small);
// A design-grid coordinate on the logo of the small screen types (IsSmallScreenType): two thirds, truncated toward
// zero, less one.
int16_t ShrinkSplashCoordinate(int16_t c);
