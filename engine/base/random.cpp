#include "engine/base/random.h"

namespace {

constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;
constexpr int32_t kShift = 397;

}  // namespace

SRandom::SRandom() : m_index(kStateWords + 1), m_magnitude{0, 0x9908B0DFu} {}

void SRandom::Seed(uint32_t seed) {
    m_state[0] = seed;
    for (int32_t i = 1; i < kStateWords; ++i) m_state[i] = m_state[i - 1] * 69069u;
    m_index = kStateWords;
}

void SRandom::Regenerate() {
    // One twist over the whole ring: word k mixes with k+1 and k+397, all taken modulo the ring.
    for (int32_t k = 0; k < kStateWords; ++k) {
        uint32_t y = (m_state[k] & kUpperMask) | (m_state[(k + 1) % kStateWords] & kLowerMask);
        m_state[k] = m_state[(k + kShift) % kStateWords] ^ (y >> 1) ^ m_magnitude[y & 1];
    }
    m_index = 0;
}

int32_t SRandom::Next(int32_t n) {
    if (n < 1) return 0;
    if (m_index >= kStateWords) Regenerate();
    uint32_t y = m_state[m_index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return int32_t(y % uint32_t(n));
}
