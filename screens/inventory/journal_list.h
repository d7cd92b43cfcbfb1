#pragma once
// SJournalList: what every list page of the inventory's journal and character sheet shares: a
// title, a framed list with page-up and page-down buttons, and a framed description whose text is
// split into pages with previous and next buttons. The buttons are offered only where they would
// move, and a page turn selects the first row of the new page.
#include <cstdint>

#include "ui/colour_word.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_list_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SDialog;
class SGameData;

// The layout elements of one list page; each button's element is also its command.
struct SJournalListIds {
    uint32_t title, listFrame, list, pageUp, pageDown, textFrame, text, previousText, nextText;
};

// The rows' ink and the ground the list and the description are drawn on; the title's ink and the
// colour its letters blend into.
struct SJournalListColours {
    uint32_t text, ground, label, labelShade;
};
// The journal's pages write their labels in the pages' dark ink, shaded in this blue.
constexpr uint32_t kJournalInkShade = 0x6496C8;

class SJournalList {
public:
    explicit SJournalList(const SJournalListIds& ids) : m_ids(ids) {}

    // What a command of the page asks of the page's owner.
    enum class Answer {
        kNotMine,   // the command belongs to no control of the list
        kDescribe,  // the selection moved: describe the selected row
        kDone,      // only the description's page turned
    };

    void Attach(SDialog* owner);
    // Places the controls by the owner's layout: nothing selected, an empty description.
    void Build(SDialog& owner, SGameData& game, const char* title, SJournalListColours colours);
    // Empties the rows; nothing selected.
    void Clear();
    void AddRow(const char* key, const char* text, uint32_t value = 0);
    // After the rows were added: the first page shown and its first row selected (none without
    // rows). The owner describes the selection next.
    void ShowFirstPage();
    // The description of the selected row, shown from its first page; the buttons follow.
    void Describe(const char* title, const char* body);
    // The page's buttons enabled where they would move, each redrawn.
    void UpdateButtons();
    // A tap on the list, a page turn of the list or of the description, each with its click.
    Answer OnCommand(uint32_t id);

    // The key text of the selected row; "" with none.
    const char* SelectedKey() const { return m_list.GetSelectedKey(); }
    const SJournalListIds& Ids() const { return m_ids; }

    STextCtrl m_title;
    SBorderCtrl m_listFrame;
    SDialogListCtrl m_list;
    SButtonCtrl m_pageUp;
    SButtonCtrl m_pageDown;
    SBorderCtrl m_textFrame;
    STitleTextCtrl m_text;
    SButtonCtrl m_previousText;
    SButtonCtrl m_nextText;

private:
    void turnListPage(bool down);
    void turnTextPage(bool next);

    SJournalListIds m_ids;
    SGameData* m_game = nullptr;
};
