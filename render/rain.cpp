#include "render/rain.h"

#include <algorithm>

#include "engine/base/random.h"
#include "render/fixed_trig.h"
#include "render/render.h"

namespace {

// Larger than any screen: a size beyond it would overflow the parameters' arithmetic.
constexpr int32_t kLargestView = 2048;

// A value from a to b, both ends included: the draw is out of 32768 but divided by 32767. Formed in
// 64 bits, since (b - a) x 32767 passes 32 bits for the speeds of a view wider than about 485.
int32_t Between(int32_t a, int32_t b, SRandom& random) {
    return a + int32_t(int64_t(b - a) * random.Next(32768) / 32767);
}

// A position from 0 to `last` 1/32 pixels, made 16.16.
int32_t PositionUpTo(int32_t last, SRandom& random) { return Between(0, last, random) * 2048; }

}  // namespace

void SRain::setParameters(uint16_t colour, int32_t viewWidth, int32_t viewHeight) {
    SParameters& p = m_parameters;
    const int64_t w = std::clamp(viewWidth, 0, kLargestView), h = std::clamp(viewHeight, 0, kLargestView);
    p.width = int32_t(w);
    p.height = int32_t(h);
    const int32_t slant = DegreesToRadians(kSlantDegrees << 16);
    p.sine = FixedSin(slant);
    p.cosine = FixedCos(slant);
    p.sideBand = int32_t((h * p.sine) >> 16);
    p.shortest = int32_t((((w << 19) / 380) >> 8) * (p.cosine >> 8));
    p.longest = int32_t(((((w * 5) << 18) / 380) >> 8) * (p.cosine >> 8));
    p.slowest = int32_t(((w * 102400) / 380) << 8);
    p.fastest = int32_t(((w * 153600) / 380) << 8);
    m_colour = colour;
}

int32_t SRain::drawLength(SRandom& random) const {
    return Between(m_parameters.shortest >> 6, m_parameters.longest >> 6, random) << 6;
}

void SRain::drawSpeed(SRainStreak& streak, SRandom& random) const {
    const SParameters& p = m_parameters;
    // The speed stays shifted down, so that its product with the 8-bit slant fits 32 bits.
    const int32_t speed = Between(p.slowest >> 8, p.fastest >> 8, random);
    streak.m_velocityX = (p.sine >> 8) * speed;
    streak.m_velocityY = (p.cosine >> 8) * speed;
}

void SRain::spawn(SRainStreak& streak, SRandom& random) const {
    const SParameters& p = m_parameters;
    streak.m_length = drawLength(random);
    streak.m_x = PositionUpTo(p.width * 32 - 32, random);
    streak.m_y = PositionUpTo(p.height * 32 - 32, random);
    drawSpeed(streak, random);
}

void SRain::respawn(SRainStreak& streak, SRandom& random) const {
    const SParameters& p = m_parameters;
    streak.m_length = drawLength(random);
    // A place along the top edge or, past its right end, in the side band the slant carries
    // streaks in from: such a streak starts as far down the left edge as it fell into the band.
    // Both tops are drawn within a twentieth of the width, as the game does.
    const int32_t right = p.width << 16;
    streak.m_x = PositionUpTo((p.width + p.sideBand) * 32 - 1, random);
    if (streak.m_x >= right) {
        streak.m_y = ((((streak.m_x - right) >> 8) * p.height) / p.sideBand) << 8;
        streak.m_x = PositionUpTo(p.width * 32 / 20, random);
    } else {
        streak.m_y = PositionUpTo(p.width * 32 / 20, random);
    }
    drawSpeed(streak, random);
}

void SRain::SetCount(int n, uint16_t colour, int32_t viewWidth, int32_t viewHeight, SRandom& random) {
    n = std::clamp(n, 0, kMaxStreaks);
    setParameters(colour, viewWidth, viewHeight);
    if (m_count > n) {
        m_wanted = n;
        return;
    }
    for (int i = m_count; i < n; ++i) spawn(m_streaks[i], random);
    m_count = m_wanted = n;
}

void SRain::Reset(int n, uint16_t colour, int32_t viewWidth, int32_t viewHeight, SRandom& random) {
    n = std::clamp(n, 0, kMaxStreaks);
    setParameters(colour, viewWidth, viewHeight);
    for (int i = 0; i < n; ++i) spawn(m_streaks[i], random);
    m_count = m_wanted = n;
}

void SRain::Update(int32_t elapsed, SRandom& random) {
    const int64_t e6 = std::max(elapsed, 0) >> 6;
    const SParameters& p = m_parameters;
    for (int i = 0; i < m_count;) {
        SRainStreak& streak = m_streaks[i];
        const int64_t x = streak.m_x + int64_t(streak.m_velocityX >> 10) * e6;
        const int64_t y = streak.m_y + int64_t(streak.m_velocityY >> 10) * e6;
        // A move too long for 16.16 leaves the view whatever its direction.
        const bool fits = x == int32_t(x) && y == int32_t(y);
        streak.m_x = int32_t(x);
        streak.m_y = int32_t(y);
        const int16_t column = int16_t(streak.m_x >> 16);
        if (fits && (streak.m_y >> 16) <= p.height - 1 && column >= 0 && column <= p.width - 1) {
            ++i;
        } else if (m_count > m_wanted) {
            std::copy(m_streaks + i + 1, m_streaks + m_count, m_streaks + i);
            --m_count;
        } else {
            respawn(streak, random);
            ++i;
        }
    }
}

// The rows of a streak whose column lies inside the view, column 0 left out, are worked out once per
// streak, so that the pixel loop checks nothing. The slant's sine is positive: a streak only ever
// moves right as it goes down.
void SRain::Draw(const SRasterTarget& view, int pass) const {
    static_assert(kSlantDegrees > 0 && kSlantDegrees < 90, "the streak rows are found by dividing by the slant's sine");
    if (!view.m_pixels) return;
    const int split = m_count * 9 / 10;
    const int first = pass == 1 ? 0 : split, end = pass == 1 ? split : m_count;
    const int64_t sine = m_parameters.sine;
    const int64_t leftEdge = 0x10000, rightEdge = int64_t(view.m_width) << 16;
    for (int i = first; i < end; ++i) {
        const SRainStreak& streak = m_streaks[i];
        // Rows from the top of the streak to its end, less row 0 and the rows below the view.
        const int64_t top = streak.m_y >> 16;
        int64_t bottom = std::min<int64_t>((int64_t(streak.m_y) + streak.m_length) >> 16, view.m_height);
        int64_t row = std::max<int64_t>(top, 1);
        int64_t x = streak.m_x + (row - top) * sine;
        if (x < leftEdge) {
            const int64_t rowsToEdge = (leftEdge - x + sine - 1) / sine;
            row += rowsToEdge;
            x += rowsToEdge * sine;
        }
        bottom = std::min(bottom, row + (rightEdge - x + sine - 1) / sine);
        if (row >= bottom) continue;
        uint16_t* rowStart = view.PixelAddress(0, int(row));
        for (; row < bottom; ++row, x += sine, rowStart += view.m_columnStep)
            rowStart[ptrdiff_t(x >> 16) * view.m_rowStep] = m_colour;
    }
}

void SRender::SetRainCount(int count, uint16_t colour, SRandom& random) {
    m_rain.SetCount(count, colour, m_view ? m_view->m_viewWidth : 0, m_view ? m_view->m_viewHeight : 0, random);
}

void SRender::ResetRain(int count, uint16_t colour, SRandom& random) {
    m_rain.Reset(count, colour, m_view ? m_view->m_viewWidth : 0, m_view ? m_view->m_viewHeight : 0, random);
}

void SRender::UpdateRain(int32_t elapsed, SRandom& random) { m_rain.Update(elapsed, random); }

void SRender::DrawRain(int pass) { m_rain.Draw(m_projection.viewTarget, pass); }
