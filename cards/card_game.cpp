#include "cards/card_game.h"

#include <algorithm>
#include <cstdint>

#include "cards/card_rules.h"
#include "engine/base/random.h"

namespace {

uint32_t Enemy(uint32_t side) { return 1 - side; }

// a x p / 100, truncated toward zero. The product is taken in 64 bits so that a grown max hp can
// never overflow it.
int32_t Pct(int32_t a, int32_t p) { return int32_t(int64_t(a) * p / 100); }

// The same, but never 0: a percentage always changes a hit by at least one point.
int32_t Pct1(int32_t a, int32_t p) {
    const int32_t r = Pct(a, p);
    return r == 0 ? 1 : r;
}

}  // namespace

SCardGame::SCardGame(const SCardTable& table, SRandom& random, SCardListener& listener)
    : m_table(table), m_random(random), m_listener(listener) {}

void SCardGame::Start() {
    const uint32_t opponentDeck = uint32_t(m_random.Next(kCardDecks));
    uint32_t playerDeck = uint32_t(m_random.Next(kCardDecks));
    while (playerDeck == opponentDeck) playerDeck = uint32_t(m_random.Next(kCardDecks));
    for (uint32_t side : {kCardOpponent, kCardPlayer}) {
        m_sides[side] = SCardSide{};
        m_sides[side].deck = side == kCardOpponent ? opponentDeck : playerDeck;
        m_table.BuildDeck(m_sides[side].deck, m_sides[side].pile, m_random);
    }
    m_comboPending = false;
    m_multiplier = 1;
    m_turn = kCardPlayer;
    m_paused = false;
    m_over = false;
    m_playerWon = false;
    DealHands();
}

void SCardGame::DealHands() {
    for (int32_t slot = 0; slot < kHandSlots; ++slot) {
        for (uint32_t side : {kCardPlayer, kCardOpponent}) {
            if (!m_sides[side].hand[slot]) DealCard(side, slot);
        }
    }
}

void SCardGame::DealCard(uint32_t side, int32_t slot) {
    SCardSide& s = m_sides[side];
    s.hand[slot] = &m_table.Get(s.deck, s.pile.front());
    s.pile.erase(s.pile.begin());
    // The pile is never seen empty: the last card taken brings a fresh one.
    if (s.pile.empty()) m_table.BuildDeck(s.deck, s.pile, m_random);
    m_listener.OnCardDealt(side, slot);
}

bool SCardGame::Land(uint32_t side, int32_t slot) {
    if (m_over || m_paused || side != m_turn || slot < 0 || slot >= kHandSlots) return false;
    const SCard* card = m_sides[side].hand[slot];
    if (!card) return false;
    const int32_t m = m_comboPending ? m_multiplier : 1;
    m_comboPending = false;
    int32_t unused = 0;
    ResolveCard(*card, side, kCardPlayed, unused, nullptr, m);
    TickMarkers(side);
    m_sides[side].hand[slot] = nullptr;
    m_paused = true;
    return true;
}

int32_t SCardGame::FinishPause() {
    m_paused = false;
    RemoveExpiredMarkers(kCardPlayer);
    RemoveExpiredMarkers(kCardOpponent);
    if (m_over) return -1;
    // A side that has a combo pending plays again, unless it has nothing left to play: then the
    // combo lapses and the turn passes, so that neither side can be left stuck.
    if (m_comboPending && !HasCard(m_turn)) m_comboPending = false;
    if (m_turn == kCardPlayer) {
        if (m_comboPending) return -1;
        m_turn = kCardOpponent;
    } else if (!m_comboPending) {
        m_turn = kCardPlayer;
        DealHands();
        return -1;
    }
    // The opponent's combo is spent on choosing: its extra card resolves with a multiplier of 1.
    m_comboPending = false;
    const int32_t slot = ChooseOpponentCard();
    if (slot < 0) {
        m_turn = kCardPlayer;
        DealHands();
    }
    return slot;
}

void SCardGame::GiveUp() { End(false); }

bool SCardGame::HasCard(uint32_t side) const {
    return std::any_of(std::begin(m_sides[side].hand), std::end(m_sides[side].hand),
                       [](const SCard* card) { return card != nullptr; });
}

bool SCardGame::IsFull(uint32_t side) const {
    return std::all_of(std::begin(m_sides[side].markers), std::end(m_sides[side].markers),
                       [](const SCardMarker& marker) { return marker.card != nullptr; });
}

int32_t SCardGame::ChooseCard(uint32_t side) {
    int32_t best = 0;
    int32_t chosen = -1;
    for (int32_t slot = 0; slot < kHandSlots; ++slot) {
        const SCard* card = m_sides[side].hand[slot];
        if (!card) continue;
        int32_t unused = 0;
        const int32_t score = ResolveCard(*card, side, kCardScore, unused, nullptr, 1);
        const int32_t value = 9 * score / 10 + m_random.Next(2 * score / 10);
        // Ties keep the earlier slot.
        if (value > best) {
            best = value;
            chosen = slot;
        }
    }
    return chosen;
}

int32_t SCardGame::ResolveCard(const SCard& card, uint32_t side, uint32_t event, int32_t& amount, SCardMarker* marker,
                               int32_t m) {
    switch (event) {
        case kCardPlayed: Play(card, side, m); break;
        case kCardTurn: OnTurn(card, side); break;
        case kCardDeals:
            if (marker) Deals(card, amount, *marker);
            break;
        case kCardReceives:
            if (marker) Receives(card, side, amount, *marker);
            break;
        case kCardScore: return Score(card, side);
        default: break;
    }
    return 0;
}

void SCardGame::Play(const SCard& card, uint32_t side, int32_t m) {
    const uint32_t enemy = Enemy(side);
    const int32_t extra = m != 1 ? card.value3 : 0;
    const int32_t v1 = card.value1 * m;
    SCardSide& own = m_sides[side];
    switch (CardRule(card.deck, card.index).play) {
        case SCardPlay::Strike: Strike(v1, side); break;
        case SCardPlay::SplitStrike:
            Strike(v1 / 2, side);
            Hurt(v1 / 2, side, true);
            break;
        case SCardPlay::StrikeAndMark:
            Strike(v1, side);
            PlaceMarker(card, side, extra);
            break;
        case SCardPlay::Assault:
            RemoveMarkers(enemy, m);
            Strike(v1, side);
            break;
        case SCardPlay::Backstab: Hurt(v1, side, true); break;
        case SCardPlay::Mark: PlaceMarker(card, side, extra); break;
        case SCardPlay::Combo: SetCombo(2); break;
        case SCardPlay::ComboHeal:
            // The combo is pending before the heal, so the heal is multiplied once more by it.
            SetCombo(m);
            Heal((own.maxHp - own.hp) / 2 * m, side);
            break;
        case SCardPlay::Heal: Heal(v1, side); break;
        case SCardPlay::HealAndMark:
            Heal(v1, side);
            PlaceMarker(card, side, extra);
            break;
        case SCardPlay::HealHalf: Heal((own.maxHp - own.hp) / 2 * m, side); break;
        case SCardPlay::RaiseAndHeal:
            RaiseMaxHp(v1, side);
            Heal(v1, side);
            break;
        case SCardPlay::RemoveMarker: RemoveMarkers(enemy, m); break;
        case SCardPlay::ClearMarkers: ClearMarkers(enemy); break;
        case SCardPlay::StrikeSuffer2:
            Strike(v1, side);
            Hurt(card.value2 * m, enemy, true);
            break;
        case SCardPlay::StrikeSuffer1:
            Strike(v1, side);
            Hurt(v1, enemy, true);
            break;
        case SCardPlay::Drain:
            Hurt(v1, side, true);
            Heal(v1, side);
            break;
    }
}

void SCardGame::OnTurn(const SCard& card, uint32_t side) {
    switch (CardRule(card.deck, card.index).turn) {
        case SCardTurn::None: break;
        case SCardTurn::HurtValue2: Hurt(card.value2, side, false); break;
        case SCardTurn::HealValue1: Heal(card.value1, side); break;
        case SCardTurn::HealValue2: Heal(card.value2, side); break;
        case SCardTurn::StrikeValue1: Strike(card.value1, side); break;
        case SCardTurn::AbsorbValue1: {
            int32_t amount = card.value1;
            AbsorbByItems(Enemy(side), amount);
            break;
        }
        case SCardTurn::DrainValue1:
            Hurt(card.value1, side, false);
            Heal(card.value1, side);
            break;
    }
}

void SCardGame::Deals(const SCard& card, int32_t& amount, SCardMarker& marker) {
    switch (CardRule(card.deck, card.index).deal) {
        case SCardDeal::None: break;
        case SCardDeal::Boost: amount += Pct1(amount, card.value1); break;
        case SCardDeal::SpendAttack:
            // A weapon with no attacks left is spent; it lies on the table only until the pause ends.
            if (marker.count > 0) {
                amount += Pct1(amount, card.value1);
                --marker.count;
            }
            break;
    }
}

void SCardGame::Receives(const SCard& card, uint32_t side, int32_t& amount, SCardMarker& marker) {
    switch (CardRule(card.deck, card.index).receive) {
        case SCardReceive::None: break;
        case SCardReceive::Resist: amount -= Pct(amount, card.value1); break;
        case SCardReceive::Shield: Shield(side, marker, amount, Pct1(amount, card.value1)); break;
        case SCardReceive::ShieldAll: Shield(side, marker, amount, Pct1(amount, 100)); break;
        case SCardReceive::Reduce: Reduce(side, marker, amount, card.value1); break;
        case SCardReceive::Weaken: Reduce(side, marker, amount, -card.value2); break;
        case SCardReceive::Reflect:
            // Only sorcerers reflect and the two sides never share a deck, so a reflected blow is
            // never reflected back.
            Strike(Pct1(amount, card.value1), side);
            break;
    }
}

int32_t SCardGame::Score(const SCard& card, uint32_t side) const {
    const SCardRule& rule = CardRule(card.deck, card.index);
    switch (rule.score) {
        case SCardScore::Fixed: return rule.high;
        case SCardScore::OwnFull: return IsFull(side) ? rule.high : rule.low;
        case SCardScore::Healthy: return m_sides[side].hp >= 20 ? rule.high : rule.low;
        case SCardScore::EnemyFull: return IsFull(Enemy(side)) ? rule.high : rule.low;
    }
    return 0;
}

void SCardGame::Reduce(uint32_t side, SCardMarker& marker, int32_t& amount, int32_t percent) {
    amount = std::max(0, amount - Pct1(amount, percent));
    FlashHit(side, marker);
}

void SCardGame::Shield(uint32_t side, SCardMarker& marker, int32_t& amount, int32_t hit) {
    if (marker.count <= hit) {
        hit = marker.count;
        marker.count = 0;
    } else {
        marker.count -= hit;
    }
    amount = std::max(0, amount - hit);
    FlashHit(side, marker);
}

void SCardGame::FlashHit(uint32_t side, const SCardMarker& marker) {
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        if (&m_sides[side].markers[slot] == &marker) m_listener.OnMarkerHit(side, slot);
    }
}

void SCardGame::SetCombo(int32_t multiplier) {
    m_comboPending = true;
    m_multiplier = multiplier;
}

void SCardGame::RemoveMarkers(uint32_t side, int32_t m) {
    RemoveRandomMarker(side);
    if (m >= 2) RemoveRandomMarker(side);
}

void SCardGame::Strike(int32_t amount, uint32_t attacker) {
    ApplyOutgoing(attacker, amount);
    AbsorbByItems(Enemy(attacker), amount);
    if (amount > 0) Hurt(amount, attacker, false);
}

void SCardGame::Hurt(int32_t amount, uint32_t attacker, bool withAttackerModifiers) {
    const uint32_t enemy = Enemy(attacker);
    if (withAttackerModifiers) ApplyOutgoing(attacker, amount);
    ApplyIncoming(enemy, amount);
    SCardSide& target = m_sides[enemy];
    target.hp = std::max(0, target.hp - amount);
    m_listener.OnHit(enemy);
    m_listener.OnHpChanged(enemy);
    if (target.hp == 0) End(enemy == kCardOpponent);
}

void SCardGame::End(bool playerWon) {
    // The first end counts: a card that fells the enemy and then its own owner has won.
    if (m_over) return;
    m_over = true;
    m_playerWon = playerWon;
    m_listener.OnGameOver(playerWon);
}

void SCardGame::Heal(int32_t amount, uint32_t side) {
    if (m_comboPending) amount *= m_multiplier;
    SCardSide& s = m_sides[side];
    s.hp = std::clamp(s.hp + amount, 0, s.maxHp);
    m_listener.OnHpChanged(side);
}

void SCardGame::RaiseMaxHp(int32_t amount, uint32_t side) {
    if (m_comboPending) amount *= m_multiplier;
    m_sides[side].maxHp += amount;
    m_listener.OnHpChanged(side);
}

void SCardGame::PlaceMarker(const SCard& card, uint32_t side, int32_t extra) {
    SCardMarker* markers = m_sides[side].markers;
    SCardMarker* target =
        std::find_if(markers, markers + kMarkerSlots, [](const SCardMarker& marker) { return !marker.card; });
    if (target == markers + kMarkerSlots) target = &markers[m_random.Next(kMarkerSlots)];
    *target = SCardMarker{&card, card.value3 + extra};
    m_listener.OnMarkersChanged(side);
}

void SCardGame::RemoveRandomMarker(uint32_t side) {
    SCardMarker* markers = m_sides[side].markers;
    if (std::any_of(markers, markers + kMarkerSlots, [](const SCardMarker& marker) { return marker.card; })) {
        int32_t slot = m_random.Next(kMarkerSlots);
        while (!markers[slot].card) slot = m_random.Next(kMarkerSlots);
        markers[slot] = SCardMarker{};
    }
    m_listener.OnMarkersChanged(side);
}

void SCardGame::ClearMarkers(uint32_t side) {
    for (SCardMarker& marker : m_sides[side].markers) marker = SCardMarker{};
    m_listener.OnMarkersChanged(side);
}

void SCardGame::RemoveExpiredMarkers(uint32_t side) {
    for (SCardMarker& marker : m_sides[side].markers) {
        if (marker.card && marker.count <= 0) marker = SCardMarker{};
    }
    m_listener.OnMarkersChanged(side);
}

void SCardGame::TickMarkers(uint32_t side) {
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        SCardMarker& marker = m_sides[side].markers[slot];
        if (!marker.card) continue;
        // The opponent's items neither act nor wear out by turns; the player's do both.
        const uint32_t kind = marker.card->kind;
        if (kind != kCardLasting && (side == kCardOpponent || kind != kCardItem)) continue;
        // A marker with nothing left is spent: it does not act again before it is removed.
        if (marker.count <= 0) continue;
        int32_t unused = 0;
        ResolveCard(*marker.card, side, kCardTurn, unused, &marker, 1);
        m_listener.OnMarkerTicked(side, slot);
        // Its own turn can already have used it up: a minion absorbs the blow its attack reflected.
        marker.count = std::max(0, marker.count - 1);
    }
}

void SCardGame::ApplyOutgoing(uint32_t side, int32_t& amount) {
    for (SCardMarker& marker : m_sides[side].markers) {
        if (marker.card) ResolveCard(*marker.card, side, kCardDeals, amount, &marker, 1);
    }
}

void SCardGame::ApplyIncoming(uint32_t side, int32_t& amount) {
    for (SCardMarker& marker : m_sides[side].markers) {
        if (marker.card) ResolveCard(*marker.card, side, kCardReceives, amount, &marker, 1);
    }
}

void SCardGame::AbsorbByItems(uint32_t defender, int32_t& amount) {
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        SCardMarker& marker = m_sides[defender].markers[slot];
        if (!marker.card || (marker.card->kind & kCardItem) == 0) continue;
        m_listener.OnMarkerHit(defender, slot);
        if (marker.count >= amount) {
            marker.count -= amount;
            amount = 0;
            return;
        }
        amount -= marker.count;
        marker.count = 0;
    }
}
