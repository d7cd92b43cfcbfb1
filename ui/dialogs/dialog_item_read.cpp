#include "ui/dialogs/dialog_item_read.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint32_t kLetterInk = 0x151C34;
constexpr uint32_t kBookTitle = 0xA0DCFA;
constexpr uint32_t kBookBlend = 0x5A8A87;
constexpr uint16_t kForwardKey = 1000;
constexpr uint16_t kBackKey = 1002;
constexpr uint16_t kItemReadUseKey = 3006;

}  // namespace

void SDialogItemRead::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_frame, &m_page, &m_pageText, &m_previousPage, &m_nextPage, &m_close})
        ctrl->Attach(this);
}

void SDialogItemRead::Open(uint32_t kind) {
    ClearCtrls();
    m_resultBox.Init(m_game);
    m_kind = kind;
    SetLayout(kind == kLetter ? kLetterLayout : kBookLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    m_frame.Setup(SceneFrameSet(*m_game), 0, 0, SBorderSides::kAll);
    PlaceCtrl(m_frame, 19);
    PlaceCtrl(m_page, 302);
    m_page.m_tileMode = SFillBmpCtrl::kTiled;
    const bool letter = kind == kLetter;
    m_page.SetTile(m_game->InterfacePicture(letter               ? SInterfaceRole::kParchment
                                            : kind == kSpellbook ? SInterfaceRole::kSpellBookPage
                                                                 : SInterfaceRole::kBookPage));
    m_game->PlaySound(letter ? "bsnd_letteropenclose" : "bsnd_bookopen", 10);

    PlaceCtrl(m_pageText, 40);
    const uint32_t margin = IsSmallScreenType(m_game->m_screenMode) ? 1 : 2;
    m_pageText.Setup(2, letter ? kLetterInk : kBookTitle, kLetterInk,
                     letter ? m_game->m_interfaceTextColour : kBookBlend, 0, margin, margin, kWhite, kWhite);
    if (PlaceCtrl(m_previousPage, kPreviousPage)) {
        m_previousPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kPreviousPageButton), kPreviousPage,
                                    kForwardKey);
        m_previousPage.m_keyed = 1;
    }
    if (PlaceCtrl(m_nextPage, kNextPage)) {
        m_nextPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kNextPageButton), kNextPage, kBackKey);
        m_nextPage.m_keyed = 1;
    }
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, kItemReadUseKey);
    ResetPenGate();
}

void SDialogItemRead::SetText(const char* title, const char* body) {
    m_pageText.SetText(title, body, 0, 0);
    UpdatePageArrows();
    SetDirty();
    ResetPenGate();
}

void SDialogItemRead::UpdatePageArrows() {
    const int pages = m_pageText.PageCount();
    const int page = int(m_pageText.m_page);
    if (page == 0 && pages < 2) {
        m_previousPage.Hide();
        m_nextPage.Hide();
        SetDirty();
        return;
    }
    m_previousPage.SetVisible(true);
    m_nextPage.SetVisible(true);
    m_previousPage.SetEnabled(page >= 1);
    m_nextPage.SetEnabled(page + 1 < pages);
}

void SDialogItemRead::ShowResult(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_resultText, m_resultBox, *this);
}

void SDialogItemRead::turnPage(int32_t step) {
    // The disabled arrows keep the page in range; the check keeps it there whoever sends the command.
    const int32_t page = int32_t(m_pageText.m_page) + step;
    if (page < 0 || page >= m_pageText.PageCount()) return;
    m_game->PlaySound("bsnd_bookpage", 10);
    m_pageText.m_page = uint32_t(page);
    m_pageText.SetDirty();
    SetDirty();
    UpdatePageArrows();
}

uint32_t SDialogItemRead::OnCommand(uint32_t id) {
    switch (id) {
        case kPreviousPage: turnPage(-1); return 0;
        case kNextPage: turnPage(1); return 0;
        case SDialogMessage::kOk:
            ResetOpen();
            SetDirty();
            return 0;
        case kClose:
            m_game->PlaySound(m_kind == kLetter ? "bsnd_letteropenclose" : "bsnd_bookclose", 10);
            // The parent's answer comes back, so that a screen it switches to is not lost.
            return m_parent ? m_parent->OnCommand(id) : 0;
        default: return 0;
    }
}
