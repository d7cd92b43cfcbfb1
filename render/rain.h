#pragma once
// Rain over the 3-D view: slanted streaks one pixel wide falling across the view rectangle, kept
// from frame to frame, drawn as single pixels without blending.
#include <cstdint>
#include <span>

#include "engine/draw/raster_target.h"

class SRandom;

// One streak, in 16.16 pixels of the view rectangle; the velocities per second.
struct SRainStreak {
    int32_t m_length = 0;
    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_velocityX = 0;
    int32_t m_velocityY = 0;
};

class SRain {
public:
    static constexpr int kMaxStreaks = 2000;
    static constexpr int32_t kSlantDegrees = 10;

    // Taken from the view's size at every count change, never in between.
    struct SParameters {
        int32_t width = 0;  // the view's, in pixels
        int32_t height = 0;
        int32_t sine = 0;  // of the slant, 16.16
        int32_t cosine = 0;
        // The extra width, in pixels, a slanted streak crosses on its way down the view.
        int32_t sideBand = 0;
        // 8 to 20 pixels of a 380-wide view, times the slant's cosine, 16.16.
        int32_t shortest = 0;
        int32_t longest = 0;
        // 400 to 600 pixels a second of a 380-wide view, 16.16.
        int32_t slowest = 0;
        int32_t fastest = 0;
    };

    // Takes the parameters from the view's size and makes the count n, at most kMaxStreaks: new
    // streaks are spawned at once, surplus ones disappear as they leave the view.
    void SetCount(int n, uint16_t colour, int32_t viewWidth, int32_t viewHeight, SRandom& random);
    // The same with every streak spawned afresh.
    void Reset(int n, uint16_t colour, int32_t viewWidth, int32_t viewHeight, SRandom& random);
    // Moves the streaks by an elapsed time in 16.16 seconds; a streak that leaves the view starts
    // again near the top or the side it comes from, unless there are more than wanted.
    void Update(int32_t elapsed, SRandom& random);
    // Pass 1 draws the first nine tenths of the streaks, pass 0 the rest, into the view target. Row
    // 0 and column 0 of the view are never drawn.
    void Draw(const SRasterTarget& view, int pass) const;

    const SParameters& Parameters() const { return m_parameters; }
    int WantedCount() const { return m_wanted; }
    // The live streaks; a test places one where it wants it.
    std::span<SRainStreak> Streaks() { return {m_streaks, size_t(m_count)}; }

private:
    void setParameters(uint16_t colour, int32_t viewWidth, int32_t viewHeight);
    void spawn(SRainStreak& streak, SRandom& random) const;
    void respawn(SRainStreak& streak, SRandom& random) const;
    int32_t drawLength(SRandom& random) const;
    void drawSpeed(SRainStreak& streak, SRandom& random) const;

    SRainStreak m_streaks[kMaxStreaks];
    int m_count = 0;
    int m_wanted = 0;
    SParameters m_parameters;
    uint16_t m_colour = 0;
};
