#pragma once
// SDialogList: the choice dialog "What do you want?": a panel with that title around a list that a
// script filled, Ok and Cancel, and page buttons when the list is longer than a page. The opener
// keeps the list; the dialog only shows it and reads the chosen row's key into its result.
//
// Its answer: 1 for Ok (the result then holds the selected row's key, or nothing without a
// selection), otherwise the id that closed it, the result empty. It never forwards an answer to a
// parent: whoever opened it reads the answer and the result, and must not let the base routing
// take a returned 1 or 2 for the id of a screen to switch to. Ticks only draw it.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/ctrl_message_button.h"
#include "ui/widgets/text_ctrl.h"

class SDialogListCtrl;

class SDialogList : public SDialog {
public:
    static constexpr uint32_t kOk = 1;
    static constexpr uint32_t kCancel = 2;
    static constexpr uint32_t kPageUp = 256;
    static constexpr uint32_t kPageDown = 257;
    // What the list answers inside the dialog: its selection moved, or (3006, a renotified
    // release) a row was chosen.
    static constexpr uint32_t kListChanged = 3;

    void Init(SGameData* game) override;
    // Lays the dialog out around the list, which it moves, widens and makes its own control.
    void Open(SDialogListCtrl& list);
    // Everything, every time: the panel, the title, the list, the buttons.
    void Draw() override;
    // The refuse key (3007) cancels, as the Cancel button does; other keys go to the list.
    uint32_t OnKey(uint32_t key) override;
    uint32_t OnCommand(uint32_t id) override;

    SString m_result;
    SDialogListCtrl* m_list = nullptr;
    uint32_t m_paged = 0;  // the page buttons show
    STextCtrl m_title;
    SCtrlMessageButton m_ok;
    SCtrlMessageButton m_cancel;
    SButtonCtrl m_pageUp;
    SButtonCtrl m_pageDown;

private:
    uint32_t choose();
};
