#include "ui/dialogs/choice_dialog.h"

#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/dialogs/scene_frames.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"

void OpenCentred(SDialog& dialog, uint32_t layoutId) {
    dialog.ClearCtrls();
    dialog.SetLayout(layoutId);
    dialog.CenterOnScreen();
    dialog.SetBackgroundBitmap(dialog.m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
}

void PlaceOuterFrame(SDialog& dialog, SBorderCtrl& frame) {
    if (dialog.PlaceCtrl(frame, 19)) frame.Setup(SceneFrameSet(*dialog.m_game), 0, 0, SBorderSides::kAll);
}

void PlaceSmallFrame(SDialog& dialog, SBorderCtrl& frame, uint32_t controlId, uint32_t fill, uint32_t sides) {
    if (dialog.PlaceCtrl(frame, controlId))
        frame.Setup(dialog.m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), fill, 0, sides);
}

void PlacePictureButton(SDialog& dialog, SButtonCtrl& button, uint32_t controlId, SInterfaceRole role) {
    if (dialog.PlaceCtrl(button, controlId)) button.SetupPicture(dialog.m_game->InterfaceSet<3>(role), controlId, 0);
}

uint32_t ForwardToParent(SDialog& dialog, uint32_t id) {
    dialog.m_game->PlaySound("bsnd_clickh", 10);
    return dialog.m_parent ? dialog.m_parent->OnCommand(id) : 0;
}
