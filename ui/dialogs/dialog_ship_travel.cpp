#include "ui/dialogs/dialog_ship_travel.h"

#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_sounds.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint32_t kShipTravelTextColour = 0xC8C8C8;
constexpr uint32_t kShipTravelCentredMiddle = STextAlign::kCentred | STextAlign::kMiddle;

}  // namespace

void SDialogShipTravel::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_outerFrame, &m_innerFrame, &m_ok, &m_ship, &m_text})
        ctrl->Attach(this);
}

void SDialogShipTravel::Open(const char* text, const char* destination) {
    ClearCtrls();
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));

    const SFrameSet frames = SceneFrameSet(*m_game);
    if (PlaceCtrl(m_outerFrame, 19)) m_outerFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_innerFrame, 229)) m_innerFrame.Setup(frames, 1, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_ok, kOk)) m_ok.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kOk, 0);
    PlaceCtrl(m_ship, 227);
    PlaceCtrl(m_text, 230);
    m_text.SetTextEx(nullptr, kShipTravelCentredMiddle, 1, kShipTravelTextColour, 0);

    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(true);
    m_destination.Assign(destination);
    m_ship.SetPicture(m_game->InterfacePicture(SInterfaceRole::kShipTravel), 0, 0, 0);
    m_ship.SetFrame(m_game->InterfaceSet<9>(SInterfaceRole::kPictureFrameSet));
    PlayLoopedSound(*m_game, "bsnd_shiptravel", 10);
    m_text.SetText(text);
    SetDirty();
    ResetPenGate();
}

uint32_t SDialogShipTravel::OnTick(uint32_t arg) {
    SetDirty();
    Draw();
    return SDialog::OnTick(arg);
}

uint32_t SDialogShipTravel::OnCommand(uint32_t id) {
    if (id != kOk) return 0;
    StopAllSounds(*m_game);
    m_game->PlaySound("bsnd_clickh", 10);
    if (SStateGame* play = SStateGame::Of(*m_game)) play->TravelToPosition(m_destination.Text(), 0);
    return m_parent ? m_parent->OnCommand(id) : 0;
}
