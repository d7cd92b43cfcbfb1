#include "render/fill/fog_blend.h"

#include <gtest/gtest.h>

#include "fill_fixture.h"

namespace fog_blend_test {

namespace {

// The blend as the fillers must see it, one channel at a time: fog + floor((texel - fog) x f / 32).
uint16_t ChannelOracle(uint16_t texel, uint16_t fogColour, int factor) {
    uint16_t result = 0;
    for (auto [shift, mask] : {std::pair{11, 31}, std::pair{5, 63}, std::pair{0, 31}}) {
        const int t = (texel >> shift) & mask, f = (fogColour >> shift) & mask;
        const int blended = f + ((t - f) * factor >> 5);  // an arithmetic shift floors
        result |= uint16_t(blended << shift);
    }
    return result;
}

// Every texel colour over fogs that make each channel go up, down and stay, at every factor: the
// fillers' blend, the description's spread-form blend and the per-channel rule agree exactly.
TEST(FogBlendTest, equalsThePerChannelRuleForEveryFactor) {
    for (uint16_t fogColour : {0x0000, 0xFFFF, 0x8410, 0xF800, 0x07E0, 0x001F, 0x5AEB}) {
        const uint32_t spread = fog::Spread(fogColour);
        const fog::SChannels channels(spread);
        for (int factor = 0; factor <= 32; ++factor) {
            for (uint32_t texel = 0; texel <= 0xFFFF; ++texel) {
                const uint16_t expected = ChannelOracle(uint16_t(texel), fogColour, factor);
                const uint16_t blended = channels.Blend(uint16_t(texel), int16_t(factor));
                if (blended != expected || fill_test::Blend(uint16_t(texel), spread, uint32_t(factor)) != expected) {
                    FAIL() << "texel " << texel << " fog " << fogColour << " factor " << factor;
                }
            }
        }
    }
}

// White over black halfway: each field halfway, rounded down.
TEST(FogBlendTest, whiteOverBlackAtHalfGivesHalfOfEachFieldRoundedDown) {
    const uint16_t blended = fog::SChannels(fog::Spread(0x0000)).Blend(0xFFFF, 16);
    EXPECT_EQ(blended >> 11, 15);
    EXPECT_EQ((blended >> 5) & 63, 31);
    EXPECT_EQ(blended & 31, 15);
    EXPECT_EQ(fog::SChannels(fog::Spread(0x4321)).Blend(0x1234, 32), 0x1234);
    EXPECT_EQ(fog::SChannels(fog::Spread(0x4321)).Blend(0x1234, 0), 0x4321);
}

// The factor is the shade / 4 (shade x 8 >> 5), capped at 32; a wrapped, negative product is all fog.
TEST(FogBlendTest, factorIsAQuarterOfTheShadeCappedAt32) {
    struct Case {
        int32_t shade8;
        uint32_t factor;
    };
    for (Case c : {Case{0, 0}, Case{31, 0}, Case{32, 1}, Case{64 * 8, 16}, Case{127 * 8, 31}, Case{128 * 8, 32},
                   Case{600 * 8, 32}, Case{-8, 0}}) {
        EXPECT_EQ(fog::FactorOfShade8(c.shade8), c.factor) << c.shade8;
    }
}

}  // namespace

}  // namespace fog_blend_test
