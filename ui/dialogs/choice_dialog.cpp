#include "ui/dialogs/choice_dialog.h"

#include "game/game_data.h"
#include "ui/dialog.h"

void OpenCentred(SDialog& dialog, uint32_t layoutId) {
    dialog.ClearCtrls();
    dialog.SetLayout(layoutId);
    dialog.CenterOnScreen();
    dialog.SetBackgroundBitmap(dialog.m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
}

uint32_t ForwardToParent(SDialog& dialog, uint32_t id) {
    dialog.m_game->PlaySound("bsnd_clickh", 10);
    return dialog.m_parent ? dialog.m_parent->OnCommand(id) : 0;
}
