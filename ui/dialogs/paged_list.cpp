#include "ui/dialogs/paged_list.h"

#include "game/game_data.h"

void UpdatePageButtons(const SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down) {
    up.SetEnabled(list.m_top != 0);
    down.SetEnabled(list.RowCount() > list.m_top + int32_t(list.m_rowsPerPage));
}

void PageListUp(SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down) {
    // The list never scrolls above its first row, however short the first page was.
    list.PageUp();
    UpdatePageButtons(list, up, down);
}

void PageListDown(SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down) {
    list.PageDown();
    UpdatePageButtons(list, up, down);
}

void SetupArrowButton(SButtonCtrl& button, SGameData& game, bool up, uint32_t command) {
    button.SetupPicture(game.InterfaceSet<3>(up ? SInterfaceRole::kUpArrowButton : SInterfaceRole::kDownArrowButton),
                        command, 0);
    button.m_keyed = 1;
    button.m_hasDisabledPicture = 1;
}
