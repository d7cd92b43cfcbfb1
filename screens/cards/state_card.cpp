#include "screens/cards/state_card.h"

#include <algorithm>
#include <limits>

#include "data/persons/npc_type.h"
#include "data/player/item_phrase.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"

namespace {

constexpr const char* kDeckNames[kCardDecks] = {"warrior", "sorcerer", "necromancer"};

}  // namespace

void SStateCard::Init(SGameData* game) {
    SState::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_background, &m_giveUp, &m_tableCard, &m_textFrame, &m_cardText,
                                                     &m_questionText, &m_messageText})
        ctrl->Attach(this);
    for (SSideCtrls& side : m_sides) {
        for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&side.pile, &side.portrait, &side.hp}) ctrl->Attach(this);
        for (SCardCtrl& card : side.hand) card.Attach(this);
        for (SCardSignCtrl& marker : side.markers) marker.Attach(this);
    }
    m_question.Init(game);
    m_message.Init(game);
}

void SStateCard::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_opponent = reinterpret_cast<const SNpcType*>(p2);
    m_flights.clear();
    m_selected = -1;
    m_tableShown = nullptr;
    m_pausing = false;
    m_over = false;
    m_stake = 0;
    uint16_t missing = 0;
    if (!loadPictures(missing)) {
        refuse(missing);
    } else {
        // The stake is what the person plays for and the player can pay, whatever the caller asked.
        SPlayer& player = m_game->m_player;
        const uint32_t maximum = m_opponent ? m_opponent->MaxCardStake() : 0;
        const uint64_t asked = std::min<uint64_t>(p1, std::numeric_limits<uint32_t>::max());
        m_stake = uint32_t(std::min<uint64_t>({asked, maximum, player.Gold()}));
        player.RemoveGold(m_stake, false);

        placeCtrls();
        m_rules = std::make_unique<SCardGame>(m_game->m_cards, *m_game->m_random, *this);
        m_rules->Start();
        for (uint32_t side : {kCardOpponent, kCardPlayer}) {
            showHp(side);
            showMarkers(side);
            showPile(side);
        }
        SString intro;
        intro.Format("You play as a %s, while your opponent plays as a %s.",
                     kDeckNames[m_rules->Side(kCardPlayer).deck], kDeckNames[m_rules->Side(kCardOpponent).deck]);
        showCardText("", intro.Text());
    }
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateCard::Leave() {
    releasePictures();
    m_flights.clear();
    m_rules.reset();
    m_tableShown = nullptr;
    SState::Leave();
}

bool SStateCard::CanPlay() const {
    if (m_over || !m_rules || !m_flights.empty() || m_pausing || m_rules->Turn() != kCardPlayer) return false;
    if (m_rules->ComboPending()) return true;
    for (uint32_t side : {kCardOpponent, kCardPlayer})
        for (const SCard* card : m_rules->Side(side).hand)
            if (card == nullptr) return false;
    return true;
}

int32_t SStateCard::handSlot(uint32_t id) {
    const auto at = std::find(kPlayerHand.begin(), kPlayerHand.end(), id);
    return at == kPlayerHand.end() ? -1 : int32_t(at - kPlayerHand.begin());
}

uint32_t SStateCard::OnCommand(uint32_t id) {
    switch (id) {
        case SDialogMessage::kOk:
            // Only the closing message has an Ok.
            return m_over ? uint32_t(kGoBack) : uint32_t(kStay);
        case SDialogMessage::kYes:
            Reopen();
            if (!m_over) m_rules->GiveUp();
            return kStay;
        case SDialogMessage::kNo: Reopen(); return kStay;
        default: break;
    }
    if (m_over || !m_rules || !m_flights.empty()) return kStay;
    if (const int32_t slot = handSlot(id); slot >= 0) return handCommand(slot);
    if (id == kGiveUp) {
        askGiveUp();
        return kStay;
    }
    if (id == kTableCard) {
        if (m_tableShown == nullptr) return kStay;
        m_game->PlaySound("bsnd_cardselect", 10);
        lowerHand();
        showCard(*m_tableShown, kNoShownCount);
        return kStay;
    }
    const bool playerMarker = id >= kPlayerMarker0 && id < kPlayerMarker0 + kMarkerSlots;
    const bool opponentMarker = id >= kOpponentMarker0 && id < kOpponentMarker0 + kMarkerSlots;
    if (!playerMarker && !opponentMarker) return kStay;
    m_game->PlaySound("bsnd_cardselect", 10);
    const SCardMarker& marker = m_rules->Side(playerMarker ? kCardPlayer : kCardOpponent)
                                    .markers[id - (playerMarker ? kPlayerMarker0 : kOpponentMarker0)];
    if (m_rules->Turn() != kCardPlayer || marker.card == nullptr) return kStay;
    lowerHand();
    showCard(*marker.card, uint32_t(std::max(marker.count, 0)));
    return kStay;
}

uint32_t SStateCard::handCommand(int32_t slot) {
    if (!CanPlay() || m_rules->Side(kCardPlayer).hand[slot] == nullptr) return kStay;
    m_game->PlaySound("bsnd_cardselect", 10);
    if (slot == m_selected) {
        m_selected = -1;
        fly(kCardPlayer, slot, true, 0);
    } else {
        select(slot);
    }
    return kStay;
}

void SStateCard::select(int32_t slot) {
    m_selected = slot;
    for (int32_t i = 0; i < kHandSlots; ++i) m_sides[kCardPlayer].hand[size_t(i)].SetLifted(i == slot);
    showCard(*m_rules->Side(kCardPlayer).hand[slot], kNoShownCount);
}

void SStateCard::lowerHand() {
    m_selected = -1;
    for (SCardCtrl& card : m_sides[kCardPlayer].hand) card.SetLifted(false);
    SetDirty();
}

void SStateCard::fly(uint32_t side, int32_t slot, bool play, int32_t delay) {
    SCardCtrl& ctrl = m_sides[side].hand[size_t(slot)];
    const SCard* card = m_rules->Side(side).hand[slot];
    if (!ctrl.IsActive() || card == nullptr) return;
    const SCtrl& from = play ? static_cast<const SCtrl&>(ctrl) : m_sides[side].pile;
    const int32_t toX = play ? m_tableCard.m_x : ctrl.m_homeX;
    const int32_t toY = play ? m_tableCard.m_y : ctrl.m_homeY;
    const SRect old = drawnRect(ctrl);
    SCardFlight& flight = m_flights.emplace_back(ctrl, from.m_x, from.m_y, toX, toY, delay);
    flight.card = card;
    flight.side = side;
    flight.slot = slot;
    flight.play = play;
    // A played card turns face up where it lies; a dealt one shows only once it leaves the pile.
    if (play) {
        showFace(flight);
        repaintUnder({old, drawnRect(ctrl)});
    }
}

void SStateCard::showFace(const SCardFlight& flight) {
    // Dealt cards fly face up to the player and face down to the opponent; a played card shows.
    flight.ctrl->SetCard(flight.card, flight.card->picture.get(), flight.side == kCardPlayer || flight.play ? 1 : 0);
}

void SStateCard::OnCardDealt(uint32_t side, int32_t slot) {
    fly(side, slot, false, kDealDelay * int32_t(m_flights.size()));
}

void SStateCard::advanceFlights() {
    for (size_t i = 0; i < m_flights.size();) {
        SCardFlight& flight = m_flights[i];
        SCardCtrl& ctrl = *flight.ctrl;
        const SRect old = drawnRect(ctrl);
        const SCardFlight::Stage stage = flight.Advance();
        if (stage == SCardFlight::Stage::kStarted) {
            m_game->PlaySound("bsnd_card", 10);
            if (!flight.play) showFace(flight);
        }
        if (stage != SCardFlight::Stage::kWaiting) repaintUnder({old, drawnRect(ctrl)});
        if (stage != SCardFlight::Stage::kLanded) {
            ++i;
            continue;
        }
        const SCardFlight landed = flight;
        m_flights.erase(m_flights.begin() + std::ptrdiff_t(i));
        if (landed.play) land(landed);
    }
}

void SStateCard::land(const SCardFlight& flight) {
    // The card now lies on the table card, which takes over showing it; its hand slot is empty.
    SCardCtrl& ctrl = *flight.ctrl;
    ctrl.SetPos(int16_t(ctrl.m_homeX), int16_t(ctrl.m_homeY));
    ctrl.SetLifted(false);
    ctrl.SetCard(nullptr, nullptr, 0);
    m_tableShown = flight.card;
    m_tableCard.SetCard(flight.card, flight.card->picture.get(), 1);
    // The pause begins before the card resolves, so that a game it ends is not paused after.
    m_pausing = true;
    m_pauseStart = platform::TickCount();
    m_rules->Land(flight.side, flight.slot);
}

void SStateCard::endPause() {
    m_pausing = false;
    clearMarks();
    const int32_t slot = m_rules->FinishPause();
    for (uint32_t side : {kCardOpponent, kCardPlayer}) {
        showMarkers(side);
        showPile(side);
    }
    if (slot >= 0) {
        showCard(*m_rules->Side(kCardOpponent).hand[slot], kNoShownCount);
        fly(kCardOpponent, slot, true, 0);
    } else {
        lowerHand();
    }
}

uint32_t SStateCard::OnTick(uint32_t arg) {
    if (m_child) return SDialog::OnTick(arg);
    if (!m_over) {
        if (!m_flights.empty())
            advanceFlights();
        else if (m_pausing && platform::TickCount() - m_pauseStart > kPauseMs)
            endPause();
    }
    Draw();
    return kStay;
}

void SStateCard::askGiveUp() {
    m_game->PlaySound("bsnd_click", 10);
    lowerHand();
    m_game->ShowChildMessageBox("Do you want to give up?", SDialogMessage::kYes | SDialogMessage::kNo, m_questionText,
                                m_question, *this);
}

void SStateCard::showMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_messageText, m_message, *this);
    SetDirty();
}

void SStateCard::OnHit(uint32_t side) {
    m_game->PlaySound("bsnd_carddamage", 10);
    m_sides[side].portrait.SetMark(1, 0);
}

void SStateCard::OnHpChanged(uint32_t side) { showHp(side); }

void SStateCard::OnMarkersChanged(uint32_t side) { showMarkers(side); }

void SStateCard::OnMarkerHit(uint32_t side, int32_t slot) { m_sides[side].markers[size_t(slot)].ShowFirst(); }

void SStateCard::OnMarkerTicked(uint32_t side, int32_t slot) { m_sides[side].markers[size_t(slot)].ShowSecond(); }

void SStateCard::OnGameOver(bool playerWon) {
    if (m_over) return;
    m_over = true;
    m_pausing = false;
    SPlayer& player = m_game->m_player;
    SString text;
    if (playerWon) {
        // A stake is at most a person's 16-bit maximum, so twice it cannot wrap; the purse is
        // still held at its cap.
        const uint32_t winnings = 2 * m_stake;
        player.ReceiveGold(winnings, false, false);
        text.Format("You win! The bet is yours, %u%c.", winnings, kCoinSign);
    } else {
        // The stake went with Enter; it stays lost.
        text.Format("You lost your bet, %u%c.", m_stake, kCoinSign);
    }
    if (SStateGame* play = SStateGame::Of(*m_game)) play->PassTime(kHourMinutes);
    showMessage(text.Text());
}
