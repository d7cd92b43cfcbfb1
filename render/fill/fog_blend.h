#pragma once
// The fog blend of the 3-D view: a texel colour moved towards the fog colour by a factor from 0
// (all fog) to 32 (the texel as it is), all three channels at once.
#include <algorithm>
#include <cstdint>

namespace fog {

// The spread form leaves spare bits above each channel of an RGB565 colour: green moves to the
// high half, red and blue stay in the low half, so a product of a channel difference and a factor
// up to 32 cannot reach its neighbour.
constexpr uint32_t kSpreadMask = 0x07E0F81F;
constexpr uint32_t kFullFactor = 32;

inline uint32_t Spread(uint16_t colour) { return (colour | uint32_t(colour) << 16) & kSpreadMask; }

// Per channel: fog + floor((texel - fog) x factor / 32). Each channel's fraction falls into the
// spare bits below it, and the wrap of a negative difference lands above the top channel, so the
// mask leaves exactly the per-channel results.
inline uint16_t Blend(uint16_t colour, uint32_t spreadFog, uint32_t factor) {
    const uint32_t r = (spreadFog + (((Spread(colour) - spreadFog) * factor) >> 5)) & kSpreadMask;
    return uint16_t(r | r >> 16);
}

// The factor of an interpolated shade times 8: shade / 4, capped at 32. A shade of 128 and above is
// clear air; a negative one (only a wrapped product gives it) is all fog.
inline uint32_t FactorOfShade8(int32_t shade8) { return uint32_t(std::clamp(shade8 >> 5, 0, int32_t(kFullFactor))); }

}  // namespace fog
