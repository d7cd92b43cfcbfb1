#pragma once
// The page buttons beside a dialog's list, shared by the dialogs that page a list themselves.
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"

class SGameData;

// Up is enabled while the list is scrolled down, down while rows lie below the page; both redraw.
void UpdatePageButtons(const SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down);
// A page back or on, the page's first row selected, then the buttons follow.
void PageListUp(SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down);
void PageListDown(SDialogListCtrl& list, SButtonCtrl& up, SButtonCtrl& down);
// An arrow button from the interface's up or down arrow, with its pressed and disabled pictures.
void SetupArrowButton(SButtonCtrl& button, SGameData& game, bool up, uint32_t command);
