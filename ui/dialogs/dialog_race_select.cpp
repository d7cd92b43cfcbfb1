#include "ui/dialogs/dialog_race_select.h"

#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr uint32_t kRaceSelectTitle = 16;
constexpr uint32_t kDetailsFrame = 201;
constexpr uint32_t kPicture = 202;
constexpr uint32_t kRaceSelectName = 203;
constexpr uint32_t kAbilityFirst = 204;
constexpr uint32_t kRaceSelectListFrame = 205;
constexpr uint32_t kAbilitySecond = 206;

// The dialog's own rows: the race table's names show only in the name label.
constexpr const char* kRaceRows[] = {"Rasvim", "Etherim", "Seiry", "Derth", "Nogur"};
constexpr uint32_t kPlayableRaces = 5;

}  // namespace

void SDialogRaceSelect::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_outerFrame, &m_title, &m_listFrame, &m_detailsFrame, &m_list, &m_picture,
                                       &m_name, &m_abilityFirst, &m_abilitySecond, &m_ok, &m_cancel})
        ctrl->Attach(this);
}

void SDialogRaceSelect::Open(uint32_t race) {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_outerFrame);
    PlaceCtrl(m_title, kRaceSelectTitle);
    m_title.SetTextEx("Select a race", STextAlign::kLeft, 2, kWhite, kInk);
    PlaceSmallFrame(*this, m_listFrame, kRaceSelectListFrame, 0, SBorderSides::kLeft);
    PlaceSmallFrame(*this, m_detailsFrame, kDetailsFrame, 1, SBorderSides::kAll);
    m_list.SetStyle(1, kLightGrey, 0, nullptr);
    m_list.m_id = kList;
    PlaceCtrl(m_list, kList);
    PlaceCtrl(m_picture, kPicture);
    for (auto [text, id] : {std::pair{&m_name, kRaceSelectName}, std::pair{&m_abilityFirst, kAbilityFirst},
                            std::pair{&m_abilitySecond, kAbilitySecond}}) {
        PlaceCtrl(*text, id);
        text->SetTextEx("", STextAlign::kLeft, 1, kLightGrey, kInk);
    }
    PlacePictureButton(*this, m_ok, kChoiceOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kChoiceCancel, SInterfaceRole::kCancelButton);

    m_list.ClearRows();
    for (uint32_t r = 1; r <= kPlayableRaces; ++r) m_list.AddRowId(r, kRaceRows[r - 1]);
    m_list.Layout(false);
    m_race = race <= kPlayableRaces ? race : 0;
    m_list.Select(int(m_race) - 1);
    Refresh();
    ResetPenGate();
}

void SDialogRaceSelect::Refresh() {
    m_picture.SetPicture(m_game->InterfacePicture(SInterfaceRole::kRacePictures, int(m_race)), 0, 0, 1);
    const SRaceDef* race = m_game->m_races.Entry(int(m_race));
    if (race != nullptr && !race->name.IsEmpty()) m_name.SetText(race->name.Text());
    showAbility();
    SetDirty();
}

void SDialogRaceSelect::showAbility() {
    const SRaceDef* race = m_game->m_races.Entry(int(m_race));
    const SAbility* ability = race ? m_game->m_abilities.Find(race->AbilityName().Text()) : nullptr;
    SString first, second;
    if (ability != nullptr) {
        const int count = ability->m_effects.Count();
        const SEffectLookups lookups = m_game->EffectLookups();
        ability->DescribeForRace(lookups, m_game->m_screenMode, first, 0, count / 2);
        ability->DescribeForRace(lookups, m_game->m_screenMode, second, count / 2, count);
    }
    m_abilityFirst.SetText(first.Text());
    m_abilitySecond.SetText(second.Text());
}

uint32_t SDialogRaceSelect::OnCommand(uint32_t id) {
    switch (id) {
        case kList:
            m_race = m_list.GetSelectedId();
            m_game->PlaySound("bsnd_click", 10);
            Refresh();
            return 0;
        case kChoiceOk:
        case kChoiceCancel: return ForwardToParent(*this, id);
        default: return 0;
    }
}
