#include "screens/death/state_death.h"

#include "game/feldmar2.h"
#include "game/game_data.h"
#include "screens/screen_id.h"

namespace {

constexpr uint32_t kEpitaphColour = 0x5B3A34;  // colour word: red in the lowest byte

}  // namespace

void SStateDeath::Init(SGameData* game) {
    SState::Init(game);
    for (SPicCtrl& picture : m_pictures) picture.Attach(this);
    m_epitaph.Attach(this);
    m_toMenu.Attach(this);
}

void SStateDeath::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    ClearCtrls();
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kParchment));
    for (int i = 0; i < kPictureCount; ++i)
        if (PlaceCtrl(m_pictures[i], kPictures[i]))
            m_pictures[i].SetPicture(m_game->InterfacePicture(SInterfaceRole::kDeathPictures, i), 0, 0, 0);
    if (PlaceCtrl(m_epitaph, kEpitaphElement))
        m_epitaph.SetTextEx(kEpitaph, STextAlign::kCentred | STextAlign::kMiddle, 2, kEpitaphColour, 0);
    if (PlaceCtrl(m_toMenu, kToMenu))
        m_toMenu.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kInventoryMenuButton), kToMenu, kActionUse);
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

uint32_t SStateDeath::OnCommand(uint32_t id) {
    if (id != kToMenu) return kStay;
    for (uintptr_t& word : m_param) word = 0;
    m_keep = 0;
    return kMainMenuScreen;
}
