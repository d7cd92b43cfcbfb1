#include "screens/inventory/journal_list.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "screens/list_paging.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"
#include "ui/dialogs/paged_list.h"

namespace {

constexpr uint32_t kBodyColour = 0xC8C8C8;

// The description's text pages move as a list of one row a page.
SListPaging textPaging(const STitleTextCtrl& text) { return {int32_t(text.m_page), 1, text.PageCount()}; }

SListPaging listPaging(const SDialogListCtrl& list) {
    return {list.m_top, int32_t(list.m_rowsPerPage), list.RowCount()};
}

}  // namespace

void SJournalList::Attach(SDialog* owner) {
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_title, &m_listFrame, &m_list, &m_pageUp, &m_pageDown,
                                                     &m_textFrame, &m_text, &m_previousText, &m_nextText})
        ctrl->Attach(owner);
}

void SJournalList::Build(SDialog& owner, SGameData& game, const char* title, SJournalListColours colours) {
    m_game = &game;
    const SFrameSet frames = game.ScreenFrameSet();
    if (owner.PlaceCtrl(m_title, m_ids.title))
        m_title.SetTextEx(title, STextAlign::kLeft, 1, colours.label, colours.labelShade);
    if (owner.PlaceCtrl(m_listFrame, m_ids.listFrame)) m_listFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    m_list.SetStyle(1, colours.text, colours.ground, nullptr);
    owner.PlaceCtrl(m_list, m_ids.list);
    Clear();
    if (owner.PlaceCtrl(m_pageUp, m_ids.pageUp)) SetupArrowButton(m_pageUp, game, true, m_ids.pageUp);
    if (owner.PlaceCtrl(m_pageDown, m_ids.pageDown)) SetupArrowButton(m_pageDown, game, false, m_ids.pageDown);
    if (owner.PlaceCtrl(m_textFrame, m_ids.textFrame)) m_textFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    if (owner.PlaceCtrl(m_text, m_ids.text)) {
        // On a ground of its own, so that it reads over any page's background.
        m_text.Setup(1, kWhite, kBodyColour, colours.ground, 1, 2, 2, kWhite, kWhite);
        m_text.m_titleTwoLines = IsSmallScreenType(game.m_screenMode) ? 0 : 1;
    }
    m_text.SetText("", "", 0, 0);
    if (owner.PlaceCtrl(m_previousText, m_ids.previousText))
        SetupArrowButton(m_previousText, game, true, m_ids.previousText);
    if (owner.PlaceCtrl(m_nextText, m_ids.nextText)) SetupArrowButton(m_nextText, game, false, m_ids.nextText);
    UpdateButtons();
}

void SJournalList::Clear() {
    m_list.ClearRows();
    m_list.m_selected = -1;
    m_list.m_top = 0;
    m_list.SetDirty();
}

void SJournalList::AddRow(const char* key, const char* text, uint32_t value) { m_list.AddRowLabel(key, text, value); }

void SJournalList::ShowFirstPage() { m_list.Layout(false); }

void SJournalList::Describe(const char* title, const char* body) {
    m_text.SetText(title, body, 0, 0);
    m_text.SetDirty();
    UpdateButtons();
}

void SJournalList::UpdateButtons() {
    const SListPaging rows = listPaging(m_list);
    const SListPaging text = textPaging(m_text);
    m_pageUp.SetEnabled(rows.CanPageUp());
    m_pageDown.SetEnabled(rows.CanPageDown());
    m_previousText.SetEnabled(text.CanPageUp());
    m_nextText.SetEnabled(text.CanPageDown());
}

SJournalList::Answer SJournalList::OnCommand(uint32_t id) {
    const bool listPage = id == m_ids.pageUp || id == m_ids.pageDown;
    const bool textPage = id == m_ids.previousText || id == m_ids.nextText;
    if (id != m_ids.list && !listPage && !textPage) return Answer::kNotMine;
    m_game->PlaySound("bsnd_click", 10);
    if (listPage) turnListPage(id == m_ids.pageDown);
    if (!textPage) return Answer::kDescribe;
    turnTextPage(id == m_ids.nextText);
    return Answer::kDone;
}

void SJournalList::turnListPage(bool down) {
    const SListPaging rows = listPaging(m_list);
    m_list.m_top = down ? rows.TopAfterPageDown() : rows.TopAfterPageUp();
    m_list.m_selected = m_list.RowCount() > 0 ? m_list.m_top : -1;
    m_list.SetDirty();
}

void SJournalList::turnTextPage(bool next) {
    const SListPaging text = textPaging(m_text);
    m_text.m_page = uint32_t(next ? text.TopAfterPageDown() : text.TopAfterPageUp());
    m_text.SetDirty();
    UpdateButtons();
}
