#include "screens/splash/splash_tracks.h"

#include <gtest/gtest.h>

namespace splash_tracks_test {

namespace {

constexpr int kCounts[kSplashTrackCount] = {48, 21, 37, 54, 7, 28, 7, 54, 26, 11, 53, 12, 46, 47};
constexpr int kDelays[kSplashTrackCount] = {0, 0, 20, 0, 0, 30, 0, 30, 0, 0, 40, 0, 40, 0};

TEST(SplashTracksTest, eachTrackHasItsCountAndDelayOnBothGrids) {
    for (bool small : {false, true}) {
        const auto& tracks = SplashTracks(small);
        for (int t = 0; t < kSplashTrackCount; ++t) {
            EXPECT_EQ(int(tracks[t].points.size()), kCounts[t]) << "track " << t << " small " << small;
            EXPECT_EQ(tracks[t].startDelay, kDelays[t]) << "track " << t << " small " << small;
        }
    }
}

// Every dot's square must lie on the logo pictures, and x 0 would end a track in a source table.
TEST(SplashTracksTest, everyDotSquareLiesInsideTheLogo) {
    for (bool small : {false, true}) {
        const int width = small ? ShrinkSplashCoordinate(kSplashGridWidth) + 1 : kSplashGridWidth;
        const int height = small ? ShrinkSplashCoordinate(kSplashGridHeight) + 1 : kSplashGridHeight;
        for (const SSplashTrack& track : SplashTracks(small))
            for (const SSplashPoint& point : track.points) {
                EXPECT_GT(point.x, 0);
                EXPECT_GE(point.y, 0);
                EXPECT_LE(point.x + kSplashDotSize, width);
                EXPECT_LE(point.y + kSplashDotSize, height);
            }
    }
}

TEST(SplashTracksTest, theSmallGridTakesTwoThirdsLessOne) {
    EXPECT_EQ(ShrinkSplashCoordinate(9), 5);
    EXPECT_EQ(ShrinkSplashCoordinate(12), 7);
    EXPECT_EQ(ShrinkSplashCoordinate(1), -1);
    const auto& design = SplashTracks(false);
    const auto& small = SplashTracks(true);
    for (int t = 0; t < kSplashTrackCount; ++t)
        for (size_t i = 0; i < design[t].points.size(); ++i)
            EXPECT_EQ(small[t].points[i], (SSplashPoint{ShrinkSplashCoordinate(design[t].points[i].x),
                                                        ShrinkSplashCoordinate(design[t].points[i].y)}));
}

}  // namespace

}  // namespace splash_tracks_test
