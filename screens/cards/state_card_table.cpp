// Setting the card table: its pictures, its controls and what they show.
#include <algorithm>
#include <string>
#include <vector>

#include "data/persons/npc_type.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "game/data_picture.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/cards/state_card.h"
#include "ui/colour_word.h"

namespace {

constexpr uint32_t kHpColour = 0xC8C8C8;

// Record ids of the table's pictures on the large screen types and on the small ones, in the
// order of SStateCard::Picture.
constexpr std::array<uint16_t, SStateCard::kPictureCount> kLargeRecords{3051, 3048, 3049, 3050, 3052, 3053,
                                                                        3056, 3057, 3054, 3055, 3655, 3656};
constexpr std::array<uint16_t, SStateCard::kPictureCount> kSmallRecords{3051, 3942, 3943, 3944, 3946, 3947,
                                                                        3950, 3951, 3948, 3949, 3655, 3656};

}  // namespace

bool SStateCard::loadPictures(uint16_t& missing) {
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    const std::array<uint16_t, kPictureCount>& records = small ? kSmallRecords : kLargeRecords;
    SPdb* package = m_game->m_dataPackage.get();
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        m_pictures[i] = package ? LoadDataPicture(*package, records[i]) : nullptr;
        if (m_pictures[i] == nullptr) {
            missing = records[i];
            releasePictures();
            return false;
        }
    }
    if (package == nullptr || !m_game->m_cards.LoadPictures(*package, missing)) {
        releasePictures();
        return false;
    }
    for (uint32_t deck = 0; deck < SCardFaces::kDecks; ++deck)
        m_faces.kindPictures[deck] = m_pictures[kFirstBack + deck].get();
    m_faces.specialFace = m_pictures[kSpecialFace].get();
    m_faces.plainFace = m_pictures[kPlainFace].get();
    return true;
}

void SStateCard::releasePictures() {
    m_game->m_cards.ReleasePictures();
    for (std::unique_ptr<SPictureEntry>& picture : m_pictures) picture.reset();
    m_faces = SCardFaces{};
}

void SStateCard::placeCtrls() {
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundColor();
    if (PlaceCtrl(m_background, kBackground)) {
        m_background.m_tileMode = SFillBmpCtrl::kTiled;
        m_background.SetTile(m_pictures[kTablePicture].get());
        // The table's cloth covers the screen; painting it black first would only cost time.
        if (m_background.m_x <= 0 && m_background.m_y <= 0 && m_background.m_x + m_background.m_w >= m_w &&
            m_background.m_y + m_background.m_h >= m_h)
            NoBackground();
    }
    if (PlaceCtrl(m_giveUp, kGiveUp))
        m_giveUp.SetupPicture({m_pictures[kGiveUpPicture].get(), m_pictures[kGiveUpPressed].get(), nullptr}, kGiveUp,
                              kGiveUpKey);
    placeSide(kCardOpponent);
    placeSide(kCardPlayer);
    if (PlaceCtrl(m_tableCard, kTableCard)) {
        m_tableCard.SetPictures(m_faces);
        m_tableCard.SetCard(nullptr, nullptr, 0);
    }
    if (PlaceCtrl(m_textFrame, kTextFrame))
        m_textFrame.Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 1, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_cardText, kCardText)) m_cardText.SetDefaults();
    // The hands last: a flying card passes over everything else on the table.
    placeHand(kCardOpponent);
    placeHand(kCardPlayer);
}

void SStateCard::placeSide(uint32_t side) {
    SSideCtrls& ctrls = m_sides[side];
    const bool player = side == kCardPlayer;
    if (PlaceCtrl(ctrls.pile, player ? kPlayerPile : kOpponentPile))
        ctrls.pile.SetPicture(m_pictures[kPilePicture].get());
    PlaceCtrl(ctrls.portrait, player ? kPlayerPortrait : kOpponentPortrait);
    if (PlaceCtrl(ctrls.hp, player ? kPlayerHp : kOpponentHp)) {
        const uint32_t mode = m_game->m_screenMode;
        ctrls.hp.SetTextEx("", STextAlign::kCentred | STextAlign::kMiddle, mode == 5 || mode == 8 ? 2 : 1, kHpColour,
                           kInk);
    }
    const uint32_t firstMarker = player ? kPlayerMarker0 : kOpponentMarker0;
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        SCardSignCtrl& marker = ctrls.markers[size_t(slot)];
        if (!PlaceCtrl(marker, firstMarker + uint32_t(slot))) continue;
        marker.SetFallback(m_pictures[kSlotPicture].get());
        marker.SetFirstMark(m_pictures[kHitMark].get());
        marker.SetSecondMark(m_pictures[kTickMark].get());
    }
    if (player)
        ctrls.portrait.SetFace(m_game->m_player.Face().Text());
    else
        showOpponentPortrait();
}

void SStateCard::placeHand(uint32_t side) {
    const std::array<uint32_t, kHandSlots>& ids = side == kCardPlayer ? kPlayerHand : kOpponentHand;
    for (int32_t slot = 0; slot < kHandSlots; ++slot) {
        SCardCtrl& card = m_sides[side].hand[size_t(slot)];
        if (!PlaceCtrl(card, ids[size_t(slot)])) continue;
        card.SetPictures(m_faces);
        card.SetLift(uint32_t(card.m_h) / 5);
        card.SetCard(nullptr, nullptr, 0);
    }
}

void SStateCard::showOpponentPortrait() {
    SFaceCtrl& portrait = m_sides[kCardOpponent].portrait;
    if (m_opponent != nullptr && !m_opponent->texts[1].IsEmpty()) {
        portrait.SetFace(m_opponent->texts[1].Text());
        return;
    }
    // A person without a face of its own shows whoever the script that opened the table speaks for.
    const char* face = m_game->m_scriptContext ? m_game->m_scriptContext->GetPartnerFace() : nullptr;
    portrait.SetPictureName(face ? face : SScriptContext::kUnknownFace);
}

void SStateCard::showHp(uint32_t side) {
    const SCardSide& rules = m_rules->Side(side);
    SString text;
    text.Format("hp: %u/%u", uint32_t(rules.hp), uint32_t(rules.maxHp));
    ToDigitGlyphs(text);
    m_sides[side].hp.SetText(text.Text());
    m_sides[side].hp.Layout();
    SetDirty();
}

void SStateCard::showMarkers(uint32_t side) {
    const SCardSide& rules = m_rules->Side(side);
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        const SCard* card = rules.markers[slot].card;
        m_sides[side].markers[size_t(slot)].SetPicture(card ? card->picture.get() : nullptr);
    }
    SetDirty();
}

void SStateCard::showPile(uint32_t side) { m_sides[side].pile.SetCount(uint32_t(m_rules->Side(side).pile.size())); }

void SStateCard::showCardText(const char* name, const char* text) {
    SString value;
    value.Assign(text);
    ToDigitGlyphs(value);
    m_cardText.SetLabel(name);
    m_cardText.SetValue(value.Text());
    SetDirty();
}

void SStateCard::showCard(const SCard& card, uint32_t shownCount) {
    std::string text;
    card.GetText(text, shownCount);
    showCardText(card.name, text.c_str());
}

void SStateCard::clearMarks() {
    for (SSideCtrls& side : m_sides) {
        side.portrait.ClearOverlay();
        for (SCardSignCtrl& marker : side.markers) marker.HideMarks();
    }
    SetDirty();
}

void SStateCard::repaintUnder(std::initializer_list<SRect> places) {
    std::vector<SRect> redrawn(places);
    for (const SRect& place : places) paintBackground(place);
    // Whatever is drawn again paints its whole rectangle, which may cover more controls in turn.
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 0; i < m_ctrls.Count(); ++i) {
            SCtrl& ctrl = *m_ctrls[i];
            if (&ctrl == &m_background || ctrl.IsDirty() || !ctrl.IsShown()) continue;
            const SRect drawn = drawnRect(ctrl);
            if (std::none_of(redrawn.begin(), redrawn.end(), [&](const SRect& r) { return r.Overlaps(drawn); }))
                continue;
            ctrl.SetDirty();
            redrawn.push_back(drawn);
            grew = true;
        }
    }
}

SStateCard::SRect SStateCard::drawnRect(const SCtrl& ctrl) const {
    SRect drawn{ctrl.m_x, ctrl.m_y, ctrl.m_w, ctrl.m_h};
    for (const SSideCtrls& side : m_sides) {
        if (&ctrl != &side.pile) continue;
        const int32_t layers = side.pile.Layers();
        drawn = {drawn.x - layers, drawn.y - layers, drawn.w + layers, drawn.h + layers};
    }
    return drawn;
}

void SStateCard::paintBackground(const SRect& place) {
    const SPictureEntry* tile = m_background.m_tile;
    if (tile == nullptr || !m_background.IsShown()) return;
    const int32_t tileW = tile->picture.Width(), tileH = tile->picture.Height();
    const int32_t left = std::max(place.x, int32_t(m_background.m_x)),
                  top = std::max(place.y, int32_t(m_background.m_y));
    const int32_t right = std::min(place.x + place.w, m_background.m_x + int32_t(m_background.m_w));
    const int32_t bottom = std::min(place.y + place.h, m_background.m_y + int32_t(m_background.m_h));
    if (tileW <= 0 || tileH <= 0) return;
    // The pieces of the tiles the background control laid from its own corner.
    for (int32_t y = top; y < bottom;) {
        const int32_t sourceY = (y - m_background.m_y) % tileH, h = std::min(tileH - sourceY, bottom - y);
        for (int32_t x = left; x < right;) {
            const int32_t sourceX = (x - m_background.m_x) % tileW, w = std::min(tileW - sourceX, right - x);
            m_display->BlitOpaqueRect(*tile, x, y, sourceX, sourceY, w, h);
            x += w;
        }
        y += h;
    }
}

void SStateCard::refuse(uint16_t missing) {
    m_over = true;
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundColor();
    SString text;
    text.Format("The card table cannot be laid: picture %u is missing.", uint32_t(missing));
    showMessage(text.Text());
}
