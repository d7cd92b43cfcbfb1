#pragma once
// The game's one random generator: every roll of the game goes through Next.
#include <cstdint>

// MT19937 with the game's own seeding: the state is the seed multiplied up by 69069, so two
// generators seeded with the same second give the same sequence.
class SRandom {
public:
    SRandom();

    // The game seeds once at start-up with the local time in seconds; tests seed with a constant.
    void Seed(uint32_t seed);
    // 0 .. n-1; 0 without using the sequence when n is below 1.
    int32_t Next(int32_t n);

private:
    static constexpr int32_t kStateWords = 624;

    void Regenerate();

    uint32_t m_state[kStateWords] = {};
    int32_t m_index;  // next word to temper; kStateWords or more regenerates first
    uint32_t m_magnitude[2];
};
