#pragma once
// The rules of the card duel: two sides with hit points, hands and markers, what each card does,
// how damage passes through markers, combos, turns and the computer opponent's choice. No screen:
// the card screen drives a game through Start, Land and FinishPause and hears back through a
// SCardListener.
#include <cstdint>

#include "cards/card_table.h"

class SRandom;

constexpr uint32_t kCardOpponent = 0;
constexpr uint32_t kCardPlayer = 1;
constexpr int32_t kHandSlots = 5;
constexpr int32_t kMarkerSlots = 3;
constexpr int32_t kCardStartHp = 40;

// The events a card answers.
constexpr uint32_t kCardPlayed = 1;
constexpr uint32_t kCardTurn = 2;      // one turn of a marker
constexpr uint32_t kCardDeals = 3;     // the marker's owner deals damage
constexpr uint32_t kCardReceives = 4;  // the marker's owner receives damage
constexpr uint32_t kCardScore = 5;     // how keen the opponent is to play it; changes nothing

// A card lying on the table for a side.
struct SCardMarker {
    const SCard* card = nullptr;  // null: the slot is empty
    int32_t count = 0;            // turns, attacks, durability or hit points left
};

struct SCardSide {
    uint32_t deck = 0;
    SCardPile pile;  // its size is the counter shown on the side's deck
    int32_t hp = kCardStartHp;
    int32_t maxHp = kCardStartHp;
    const SCard* hand[kHandSlots] = {};
    SCardMarker markers[kMarkerSlots];
};

// What the rules tell the card screen. Every call comes from inside a rule operation.
class SCardListener {
public:
    virtual ~SCardListener() = default;
    virtual void OnCardDealt(uint32_t /*side*/, int32_t /*slot*/) {}
    virtual void OnHit(uint32_t /*side*/) {}  // damage: the sound and the portrait's hit overlay
    virtual void OnHpChanged(uint32_t /*side*/) {}
    virtual void OnMarkersChanged(uint32_t /*side*/) {}               // a marker was placed or removed
    virtual void OnMarkerHit(uint32_t /*side*/, int32_t /*slot*/) {}  // it absorbed or reduced damage
    virtual void OnMarkerTicked(uint32_t /*side*/, int32_t /*slot*/) {}
    virtual void OnGameOver(bool /*playerWon*/) {}  // once per game
};

class SCardGame {
public:
    SCardGame(const SCardTable& table, SRandom& random, SCardListener& listener);

    // A new game: the opponent's deck, then a different one for the player, fresh piles, 40 hp
    // each, nothing on the table, hands dealt; the player moves first.
    void Start();
    // The card in the side's hand slot lands on the table: it resolves, with the pending combo's
    // multiplier when there is one, the side's markers tick, and the pause after a landing begins.
    // False, and nothing happens, when it is not that side's turn, during the pause, after the
    // game has ended or when the slot is empty.
    bool Land(uint32_t side, int32_t slot);
    // Ends the pause: spent markers go, then the turn moves on. Answers the hand slot the opponent
    // plays next, or -1 when the player is to play (the hands are dealt first when a new round
    // begins).
    int32_t FinishPause();
    // The player gives up: the game is lost.
    void GiveUp();

    // The hand slot of the card the side's computer player picks, or -1 with an empty hand.
    int32_t ChooseCard(uint32_t side);
    int32_t ChooseOpponentCard() { return ChooseCard(kCardOpponent); }

    // The rules themselves. amount is the running amount of events kCardDeals and kCardReceives;
    // marker is the slot for the marker events. Answers the score for kCardScore, else 0.
    int32_t ResolveCard(const SCard& card, uint32_t side, uint32_t event, int32_t& amount, SCardMarker* marker,
                        int32_t m);
    void Strike(int32_t amount, uint32_t attacker);
    void Hurt(int32_t amount, uint32_t attacker, bool withAttackerModifiers);
    void Heal(int32_t amount, uint32_t side);
    void RaiseMaxHp(int32_t amount, uint32_t side);
    void PlaceMarker(const SCard& card, uint32_t side, int32_t extra);
    void RemoveRandomMarker(uint32_t side);
    void ClearMarkers(uint32_t side);
    void RemoveExpiredMarkers(uint32_t side);
    void TickMarkers(uint32_t side);
    void ApplyOutgoing(uint32_t side, int32_t& amount);
    void ApplyIncoming(uint32_t side, int32_t& amount);
    void AbsorbByItems(uint32_t defender, int32_t& amount);

    SCardSide& Side(uint32_t side) { return m_sides[side]; }
    const SCardSide& Side(uint32_t side) const { return m_sides[side]; }
    uint32_t Turn() const { return m_turn; }
    bool ComboPending() const { return m_comboPending; }
    bool IsOver() const { return m_over; }
    bool PlayerWon() const { return m_playerWon; }

private:
    // Fills the empty hand slots from the piles, slot by slot, the player's before the opponent's.
    void DealHands();
    void Play(const SCard& card, uint32_t side, int32_t m);
    void OnTurn(const SCard& card, uint32_t side);
    void Deals(const SCard& card, int32_t& amount, SCardMarker& marker);
    void Receives(const SCard& card, uint32_t side, int32_t& amount, SCardMarker& marker);
    int32_t Score(const SCard& card, uint32_t side) const;
    void Reduce(uint32_t side, SCardMarker& marker, int32_t& amount, int32_t percent);
    void Shield(uint32_t side, SCardMarker& marker, int32_t& amount, int32_t hit);
    void FlashHit(uint32_t side, const SCardMarker& marker);
    void RemoveMarkers(uint32_t side, int32_t m);
    void SetCombo(int32_t multiplier);
    void DealCard(uint32_t side, int32_t slot);
    bool HasCard(uint32_t side) const;
    bool IsFull(uint32_t side) const;
    void End(bool playerWon);

    const SCardTable& m_table;
    SRandom& m_random;
    SCardListener& m_listener;
    SCardSide m_sides[2];
    bool m_comboPending = false;
    int32_t m_multiplier = 1;
    uint32_t m_turn = kCardPlayer;  // the side that plays, or has just played during the pause
    bool m_paused = false;          // no card can land in the pause after a landing
    bool m_over = false;
    bool m_playerWon = false;
};
