#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "cards/card_game.h"
#include "engine/base/random.h"

// Remembers what the rules told the screen.
struct RecordingListener : SCardListener {
    void OnCardDealt(uint32_t side, int32_t slot) override { dealt.push_back(side * 10 + slot); }
    void OnHit(uint32_t side) override { ++hits[side]; }
    void OnMarkerHit(uint32_t side, int32_t slot) override { markerHits.push_back(side * 10 + slot); }
    void OnMarkerTicked(uint32_t side, int32_t slot) override { ticks.push_back(side * 10 + slot); }
    void OnGameOver(bool playerWon) override { ends.push_back(playerWon); }

    std::vector<uint32_t> dealt;  // side * 10 + slot
    int hits[2] = {};
    std::vector<uint32_t> markerHits;  // side * 10 + slot
    std::vector<uint32_t> ticks;       // side * 10 + slot
    std::vector<bool> ends;
};

// A started game whose table is then cleared: both sides at 30 of 40 hp, no cards in hand and
// nothing on the table, so each test lays out exactly what it needs.
class CardGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_table.Init(7);
        m_random.Seed(4242);
        m_game.Start();
        for (uint32_t side : {kCardOpponent, kCardPlayer}) {
            SCardSide& s = m_game.Side(side);
            s.hp = 30;
            s.maxHp = 40;
            for (const SCard*& card : s.hand) card = nullptr;
            for (SCardMarker& marker : s.markers) marker = SCardMarker{};
        }
        m_listener = RecordingListener{};
    }

    const SCard& Card(uint32_t deck, uint32_t index) const { return m_table.Get(deck, index); }
    void Give(uint32_t side, int32_t slot, uint32_t deck, uint32_t index) {
        m_game.Side(side).hand[slot] = &Card(deck, index);
    }
    // A marker with the card's own starting count unless another is given.
    SCardMarker& Put(uint32_t side, int32_t slot, uint32_t deck, uint32_t index, int32_t count = -1) {
        const SCard& card = Card(deck, index);
        SCardMarker& marker = m_game.Side(side).markers[slot];
        marker = SCardMarker{&card, count < 0 ? card.value3 : count};
        return marker;
    }
    int32_t Hp(uint32_t side) const { return m_game.Side(side).hp; }
    void Play(uint32_t side, uint32_t deck, uint32_t index, int32_t m = 1) {
        int32_t amount = 0;
        m_game.ResolveCard(Card(deck, index), side, kCardPlayed, amount, nullptr, m);
    }

    SCardTable m_table;
    SRandom m_random;
    RecordingListener m_listener;
    SCardGame m_game{m_table, m_random, m_listener};
};
