#pragma once
// SStateDeath: the death screen (screen 7), which the play screen switches to when the player's
// hit points are 0. Three pictures, the epitaph and one button, which leads to the main menu; a
// dead player's game offers neither Continue nor Save there.
#include <cstdint>

#include "ui/state.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SStateDeath : public SState {
public:
    static constexpr uint32_t kLayout = 13;
    static constexpr int kPictureCount = 3;
    // Element ids; the button's is also its command.
    static constexpr uint32_t kPictures[kPictureCount] = {560, 107, 561};
    static constexpr uint32_t kEpitaphElement = 40;
    static constexpr uint32_t kToMenu = 25;
    static constexpr const char* kEpitaph = " YOU HAVE DIED YOUNG...\rYOUR KING, YOUR COUNTRY AND YOUR GODS MOURN YOU!";

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    uint32_t OnCommand(uint32_t id) override;

    SPicCtrl m_pictures[kPictureCount];
    STextCtrl m_epitaph;
    SButtonCtrl m_toMenu;
};
