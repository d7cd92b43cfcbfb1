#pragma once
// The 75 built-in card definitions and the draw piles built from them.
#include <cstdint>
#include <vector>

#include "cards/card.h"

class SPdb;
class SRandom;

constexpr uint32_t kCardDecks = 3;  // 0 warrior, 1 sorcerer, 2 necromancer
constexpr uint32_t kCardsPerDeck = 25;

// A side's draw pile: card indexes within its deck, dealt from the front.
using SCardPile = std::vector<uint32_t>;

class SCardTable {
public:
    // Fills every definition; the screen mode decides which picture records the cards use.
    void Init(uint32_t screenMode);

    const SCard& Get(uint32_t deck, uint32_t index) const { return m_cards[deck * kCardsPerDeck + index]; }

    // Every card's picture from the interface package, for the card screen. A missing or broken
    // record leaves no picture loaded and answers false with its id in `missing`, so that no card
    // is ever drawn from a record that is not there.
    bool LoadPictures(SPdb& package, uint16_t& missing);
    void ReleasePictures();

    // Every card of the deck as often as its copies say, then shuffled by exactly 100 swap
    // attempts. That is not a uniform shuffle, but it is how the game has always dealt.
    void BuildDeck(uint32_t deck, SCardPile& pile, SRandom& random) const;

private:
    SCard m_cards[kCardDecks * kCardsPerDeck];
};
