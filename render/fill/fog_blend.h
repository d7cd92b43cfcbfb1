#pragma once
// The fog blend of the 3-D view: a texel colour moved towards the fog colour by a factor from 0
// (all fog) to 32 (the texel as it is), per channel fog + floor((texel - fog) x factor / 32).
#include <algorithm>
#include <cstdint>

namespace fog {

// The spread form of an RGB565 colour leaves spare bits above each channel (green moves to the
// high half, red and blue stay in the low half); fog colours are handed to the fillers in it.
constexpr uint32_t kSpreadMask = 0x07E0F81F;
constexpr uint32_t kFullFactor = 32;

inline uint32_t Spread(uint16_t colour) { return (colour | uint32_t(colour) << 16) & kSpreadMask; }

// The factor of an interpolated shade times 8: shade / 4, capped at 32. A shade of 128 and above is
// clear air; a negative one (only a wrapped product gives it) is all fog.
inline uint32_t FactorOfShade8(int32_t shade8) { return uint32_t(std::clamp(shade8 >> 5, 0, int32_t(kFullFactor))); }

// The factor of floors and object faces: shade / 4 as well, but any factor above 32 read as
// unsigned (a negative shade too) is clear air.
inline uint32_t FactorOfSignedShade8(int32_t shade8) { return std::min(uint32_t(shade8 >> 5), kFullFactor); }

// The fog colour's channels. Blending a run of colours channel by channel in 16-bit arithmetic
// lets the compiler do eight pixels at once; each product (texel - fog) x factor fits in 16 bits.
class SChannels {
public:
    explicit SChannels(uint32_t spreadFog)
        : m_red(int16_t(spreadFog >> 11 & 31)),
          m_green(int16_t(spreadFog >> 21 & 63)),
          m_blue(int16_t(spreadFog & 31)) {}

    uint16_t Blend(uint16_t colour, int16_t factor) const {
        const int16_t red = Channel(colour >> 11, m_red, factor);
        const int16_t green = Channel(colour >> 5 & 63, m_green, factor);
        const int16_t blue = Channel(colour & 31, m_blue, factor);
        return uint16_t(red << 11 | green << 5 | blue);
    }

private:
    // The shift of a negative product is arithmetic, so the quotient is rounded down.
    static int16_t Channel(int texel, int16_t fog, int16_t factor) {
        return int16_t(fog + (int16_t((texel - fog) * factor) >> 5));
    }

    int16_t m_red;
    int16_t m_green;
    int16_t m_blue;
};

}  // namespace fog
