// The message box the screens and dialogs open through the game object.
#include "game/game_data.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/dialog_text_ctrl.h"

namespace {

// Dark text on the message panel; the third colour marks what the game stresses. Set up again
// once the box has laid itself out, so that the page holds as many lines as the box gave it room
// for; the set-up leaves the text revealed at once, as the box asked. The panel's centre lies
// under the text, so that a page turned leaves no old glyphs behind.
void setUpMessageText(SDialogTextCtrl& textCtrl, const SGameData& game) {
    textCtrl.Setup(1, 0x161616, 0x161616, 0x285050, 0x94D6E7, game.InterfacePicture(SInterfaceRole::kMessagePanel, 4));
}

}  // namespace

void SGameData::ShowMessageBox(const char* text, uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box,
                               SDialog* owner) {
    textCtrl.m_w = uint16_t(PlayView().m_viewWidth * 4 / 5);
    textCtrl.Attach(&box);
    textCtrl.Clear();
    textCtrl.AddText(text, 1, 0);
    ShowFilledMessageBox(buttons, textCtrl, box, owner);
}

void SGameData::ShowFilledMessageBox(uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box, SDialog* owner) {
    textCtrl.Attach(&box);
    setUpMessageText(textCtrl, *this);
    box.m_parent = owner;
    box.Show(&textCtrl, buttons, true);
    setUpMessageText(textCtrl, *this);
}

void SGameData::ShowChildMessageBox(const char* text, uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box,
                                    SDialog& parent) {
    ShowMessageBox(text, buttons, textCtrl, box, &parent);
    box.m_child = nullptr;
    parent.SetChild(&box);
}
