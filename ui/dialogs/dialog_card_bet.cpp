#include "ui/dialogs/dialog_card_bet.h"

#include <algorithm>
#include <tuple>

#include "data/persons/npc_type.h"
#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "screens/gold_rules.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

uint32_t SDialogCardBet::StepFor(uint32_t maximum) {
    if (maximum <= 100) return 10;
    if (maximum <= 300) return 50;
    if (maximum <= 1000) return 100;
    return 1000;
}

void SDialogCardBet::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_raise, &m_lower, &m_toMaximum, &m_toMinimum,
                                                     &m_amount, &m_accept, &m_cancel})
        ctrl->Attach(this);
}

void SDialogCardBet::Show(const SNpcType& person) {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_frame);
    if (PlaceCtrl(m_title, kTitle)) m_title.SetTextEx("Bet?", STextAlign::kCentred, 2, kWhite, kDarkGrey);
    for (auto [button, id, role] : {std::tuple{&m_raise, kRaise, SInterfaceRole::kUpArrowButton},
                                    std::tuple{&m_lower, kLower, SInterfaceRole::kDownArrowButton},
                                    std::tuple{&m_toMaximum, kMaximum, SInterfaceRole::kNextPageButton},
                                    std::tuple{&m_toMinimum, kMinimum, SInterfaceRole::kPreviousPageButton},
                                    std::tuple{&m_accept, kAccept, SInterfaceRole::kOkButton},
                                    std::tuple{&m_cancel, kCancel, SInterfaceRole::kCancelButton}})
        PlacePictureButton(*this, *button, id, role);
    if (PlaceCtrl(m_amount, kAmount))
        m_amount.SetTextEx("", STextAlign::kCentred | STextAlign::kMiddle, 1, kLightGrey, kInk);

    m_maximum = person.MaxCardStake();
    m_step = StepFor(m_maximum);
    // A person who plays for less than a step plays for what it does play for, never more.
    m_stake = floor();
    update();
    SetDirty();
    ResetPenGate();
}

uint32_t SDialogCardBet::floor() const { return std::min(m_step, m_maximum); }

void SDialogCardBet::setStake(uint32_t stake) {
    m_game->PlaySound("bsnd_click", 10);
    m_stake = std::clamp(stake, floor(), m_maximum);
    update();
    SetDirty();
}

void SDialogCardBet::update() {
    m_raise.SetEnabled(m_stake < m_maximum);
    m_toMaximum.SetEnabled(m_stake < m_maximum);
    m_lower.SetEnabled(m_stake > floor());
    m_toMinimum.SetEnabled(m_stake > floor());
    SString amount;
    FormatGold(m_stake, amount);
    ToDigitGlyphs(amount);
    m_amount.SetText(amount.Text());
    m_amount.Layout();
}

uint32_t SDialogCardBet::OnCommand(uint32_t id) {
    switch (id) {
        case kRaise: setStake(m_stake + m_step); return 0;
        // The stake is never above the maximum, so it never wraps below the floor.
        case kLower: setStake(m_stake > m_step ? m_stake - m_step : 0); return 0;
        case kMaximum: setStake(m_maximum); return 0;
        case kMinimum: setStake(floor()); return 0;
        case kAccept:
        case kCancel: return ForwardToParent(*this, id);
        default: return 0;
    }
}
