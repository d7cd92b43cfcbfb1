#pragma once
// SDialogItemRead: a readable item's text in pages: a book or a spellbook with its name as the
// title on a page picture, or a letter or map without a title on parchment. The arrow buttons and
// the forward and back keys turn the pages; Close (25, the use key) goes to the parent. The
// inventory screen may show what reading did in the dialog's own message box, which takes every
// input until its Ok.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SDialogItemRead : public SDialog {
public:
    enum Kind : uint32_t { kBook = 1, kSpellbook = 2, kLetter = 3 };
    static constexpr uint32_t kBookLayout = 31;
    static constexpr uint32_t kLetterLayout = 32;
    static constexpr uint32_t kPreviousPage = 303;
    static constexpr uint32_t kNextPage = 304;
    static constexpr uint32_t kClose = 25;

    void Init(SGameData* game) override;
    // Builds the dialog of the kind over the screen's top left, with its opening sound; the owner
    // then gives it its text.
    void Open(uint32_t kind);
    // The title and the body from page 0.
    void SetText(const char* title, const char* body);
    void UpdatePageArrows();
    void ShowResult(const char* text);

    uint32_t OnCommand(uint32_t id) override;

    SDialogTextCtrl m_resultText;
    SDialogMessage m_resultBox;
    SBorderCtrl m_frame;
    SFillBmpCtrl m_page;
    STitleTextCtrl m_pageText;
    SButtonCtrl m_previousPage;
    SButtonCtrl m_nextPage;
    SButtonCtrl m_close;
    uint32_t m_kind = kBook;

private:
    void turnPage(int32_t step);
};
