#include "ui/dialogs/dialog_list.h"

#include <algorithm>

#include "engine/draw/text.h"
#include "game/game_data.h"
#include "ui/dialogs/message_panel.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace {

constexpr const char* kListTitle = "What do you want?";
constexpr uint32_t kTitleAlign = 9;  // left
constexpr uint32_t kTitleColor = 0x161616;
constexpr uint32_t kListTitleBlend = 0x94D6E7;
constexpr int kWidestContent = 340;
constexpr int kPageButtonW = 20, kPageButtonH = 12;
constexpr uint32_t kListRefuseKey = 3007;

// Where a dialog of that length starts: at its fixed place where it fits, else moved back inside
// the screen (a dialog 180 wide at 100 would run 40 pixels off a 240-wide screen).
int keepOnScreen(int position, int length, int screenLength) {
    return std::max(0, std::min(position, screenLength - length));
}

}  // namespace

void SDialogList::Init(SGameData* game) {
    SDialog::Init(game);
    // The panel is the dialog's background.
    NoBackground();
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_title, &m_ok, &m_cancel, &m_pageUp, &m_pageDown})
        ctrl->Attach(this);
}

void SDialogList::Open(SDialogListCtrl& list) {
    m_list = &list;
    m_paged = 0;
    ClearCtrls();
    list.Attach(this);
    // The list's own answers stay inside the dialog: a moved selection must not close it.
    list.m_id = kListChanged;
    m_ok.SetupDefault("Ok", kOk);
    m_cancel.SetupDefault("Cancel", kCancel);
    m_pageUp.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kUpArrowButton), kPageUp, 0);
    m_pageDown.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kDownArrowButton), kPageDown, 0);

    // A title that wraps in the list's width widens the content, up to 340 pixels, before it wraps.
    m_text->SelectFont(1, kTitleColor, kListTitleBlend);
    int content = list.m_w, widest = 0, lines = 0;
    m_text->Measure(kListTitle, content, widest, lines);
    if (lines >= 2 && content < kWidestContent) {
        const int widened = std::min(m_text->TextWidth(kListTitle) + 1, kWidestContent);
        m_text->Measure(kListTitle, widened, widest, lines);
        content = std::max(widened, widest);
    }
    const int fontHeight = m_text->LineHeight();
    const int titleHeight = lines * fontHeight + fontHeight / 2;

    m_w = std::max(content + 100, 180);
    m_h = std::max(int(list.m_h) + m_ok.m_h + titleHeight + 102, 154);
    SetPos(keepOnScreen((380 - m_w) / 2, m_w, m_display->m_width),
           keepOnScreen((320 - m_h) / 3, m_h, m_display->m_height));

    list.SetRect(int16_t(m_x + 50), int16_t(m_y + titleHeight + 41), uint16_t(m_w - 100), list.m_h);
    m_title.SetRect(int16_t(m_x + 50), int16_t(m_y + 41), uint16_t(content), uint16_t(titleHeight));
    m_title.SetTextEx(kListTitle, kTitleAlign, 1, kTitleColor, kListTitleBlend);
    const int gap = MessageButtonGap(m_game->m_screenMode);
    const int okX = m_x + (m_w - m_cancel.m_w - m_ok.m_w - gap) / 2, buttonsY = m_y + m_h - 70;
    m_ok.SetPos(int16_t(okX), int16_t(buttonsY));
    m_cancel.SetPos(int16_t(okX + m_ok.m_w + gap), int16_t(buttonsY));
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&list, &m_title, &m_ok, &m_cancel}) AddCtrl(ctrl);

    if (list.RowCount() > 8) {
        m_paged = 1;
        const int buttonX = list.m_x + list.m_w + 5;
        m_pageUp.SetRect(int16_t(buttonX), list.m_y, kPageButtonW, kPageButtonH);
        m_pageDown.SetRect(int16_t(buttonX), int16_t(list.m_y + list.m_h - kPageButtonH), kPageButtonW, kPageButtonH);
        AddCtrl(&m_pageUp);
        AddCtrl(&m_pageDown);
    }
    Reopen();
}

void SDialogList::Draw() {
    DrawMessagePanel(*this);
    // Every control over the panel.
    SetDirty();
    DrawSelf();
}

uint32_t SDialogList::choose() {
    m_result.Assign(m_list ? m_list->GetSelectedKey() : "");
    return kOk;
}

uint32_t SDialogList::OnKey(uint32_t key) {
    if (IsOpenFrame()) return 0;
    return key == kListRefuseKey ? OnCommand(kCancel) : SDialog::OnKey(key);
}

uint32_t SDialogList::OnCommand(uint32_t id) {
    switch (id) {
        case kListChanged: return m_list && m_list->m_action == 1 ? choose() : 0;
        case kPageUp:
            if (m_paged && m_list->m_top > 0) {
                m_list->PageUp();
                Draw();
            }
            return 0;
        case kPageDown:
            if (m_paged && m_list->m_top + int32_t(m_list->m_rowsPerPage) < m_list->RowCount()) {
                m_list->PageDown();
                Draw();
            }
            return 0;
        case kOk: return choose();
        default: m_result.Assign(""); return id;
    }
}
