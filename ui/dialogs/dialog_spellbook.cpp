#include "ui/dialogs/dialog_spellbook.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "engine/base/number_text.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/magic_item_rows.h"
#include "ui/dialogs/paged_list.h"
#include "ui/dialogs/press_outside.h"

namespace {

constexpr uint32_t kPage = 0x6496C8;

// A picture set of two pictures of a role: normal and pressed.
SPictureSet pictureSet(const SGameData& game, SInterfaceRole role, int first) {
    return {game.InterfacePicture(role, first), game.InterfacePicture(role, first + 1), nullptr};
}

}  // namespace

void SDialogSpellbook::Init(SGameData* game) {
    SDialog::Init(game);
    m_tab = 1;
    m_background.Attach(this);
    m_message.Attach(this);
    for (SButtonCtrl& tab : m_tabButtons) tab.Attach(this);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_list, &m_scrollUp, &m_scrollDown, &m_cast, &m_close})
        ctrl->Attach(this);
}

bool SDialogSpellbook::tabBarred() const {
    return m_game->m_player.IsUndead() ? m_tab == kSchoolHeal : m_tab == kSchoolUndead;
}

void SDialogSpellbook::Open() {
    // Styling the list clears its selection: the book comes back to the row last chosen.
    const int32_t remembered = m_list.m_selected;
    ClearCtrls();
    SetLayout(kLayout);
    const SViewDescriptor& view = m_game->PlayView();
    SetPos(view.m_viewX + view.m_viewWidth - m_w - 2, view.m_viewY + view.m_viewHeight - m_h - 2);

    m_background.SetTile(m_game->InterfacePicture(SInterfaceRole::kSpellBookBackground));
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    PlaceCtrl(m_background, 207);
    m_message.SetTextEx("", STextAlign::kLeft, 1, kPageInk, kPage);
    PlaceCtrl(m_message, 220);
    for (uint32_t i = 0; i < kTabs; ++i) {
        SButtonCtrl& tab = m_tabButtons[i];
        if (!PlaceCtrl(tab, kFirstTabCommand + i)) continue;
        tab.SetupPicture(pictureSet(*m_game, SInterfaceRole::kSpellBookTabs, int(2 * i)), kFirstTabCommand + i, 0);
        tab.SetChecked(i + 1 == m_tab);
    }
    m_list.SetStyle(1, kPageInk, kPage, nullptr);
    m_list.m_id = kList;
    PlaceCtrl(m_list, kList);
    if (PlaceCtrl(m_scrollUp, kScrollUp)) SetupArrowButton(m_scrollUp, *m_game, true, kScrollUp);
    if (PlaceCtrl(m_scrollDown, kScrollDown)) SetupArrowButton(m_scrollDown, *m_game, false, kScrollDown);
    if (PlaceCtrl(m_cast, kCast))
        m_cast.SetupPicture(pictureSet(*m_game, SInterfaceRole::kSpellBookButtons, 0), kCast, 0);
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(pictureSet(*m_game, SInterfaceRole::kSpellBookButtons, 2), kClose, 0);

    m_list.ClearRows();
    if (!tabBarred()) {
        if (m_tab == kItemsTab) {
            AddMagicItemRows(m_list, m_game->m_player, m_game->m_spells, false);
        } else {
            addSpellRows();
        }
    }
    m_list.m_selected = remembered;
    m_list.Layout(true);
    showMessage();
    UpdateScrollButtons();
    ResetPenGate();
}

void SDialogSpellbook::addSpellRows() {
    for (const SSpellType* spell : m_game->m_player.KnownSpells(int(m_tab)))
        m_list.AddRowLabel(spell->NameKey().Text(), spell->m_displayName.Text(), 0);
}

void SDialogSpellbook::showMessage() {
    SString text;
    if (m_tab == kSchoolHeal && m_game->m_player.IsUndead())
        text.Assign("You can't have any heal spells, since you're undead.");
    else if (m_tab == kSchoolUndead && !m_game->m_player.IsUndead())
        text.Assign("You can't have any undead spells, since you aren't undead.");
    else if (m_list.RowCount() > 0)
        text.Assign("");
    else if (m_tab == kItemsTab)
        text.Assign("You don't have any magical items.");
    else
        text.Format("You don't know any %s.", m_game->m_spells.GetSchoolName(int(m_tab)));
    m_message.SetText(text.Text());
    m_message.Layout();
    SetDirty();
}

void SDialogSpellbook::SelectTab(uint32_t command) {
    if (command >= kFirstTabCommand && command < kFirstTabCommand + kTabs) m_tab = command - kFirstTabCommand + 1;
    m_list.m_selected = -1;
    m_list.m_top = 0;
    UpdateTabButtons();
    Open();
}

void SDialogSpellbook::UpdateTabButtons() {
    for (uint32_t i = 0; i < kTabs; ++i) m_tabButtons[i].SetChecked(i + 1 == m_tab);
    DirtyAllCtrls();
}

void SDialogSpellbook::UpdateScrollButtons() { UpdatePageButtons(m_list, m_scrollUp, m_scrollDown); }

void SDialogSpellbook::PageUp() { PageListUp(m_list, m_scrollUp, m_scrollDown); }

void SDialogSpellbook::PageDown() { PageListDown(m_list, m_scrollUp, m_scrollDown); }

const SSpellType* SDialogSpellbook::GetSelectedSpell() const {
    if (m_tab == kItemsTab) return nullptr;
    return m_game->m_spells.FindSpell(m_list.GetSelectedKey());
}

SItem* SDialogSpellbook::GetSelectedItem() const {
    if (m_tab != kItemsTab) return nullptr;
    const char* key = m_list.GetSelectedKey();
    if (key[0] == '\0') return nullptr;
    return m_game->m_player.Item(StrToInt(key));
}

void SDialogSpellbook::Draw() {
    DirtyAllCtrls();
    SDialog::Draw();
}

void SDialogSpellbook::playSound(const char* name) { m_game->PlaySound(name, 10); }

uint32_t SDialogSpellbook::OnCommand(uint32_t id) {
    if (id >= kFirstTabCommand && id < kFirstTabCommand + kTabs) {
        playSound("bsnd_bookpage");
        SelectTab(id);
        return 0;
    }
    switch (id) {
        case kList: playSound("bsnd_click"); return 0;
        case kScrollUp:
            playSound("bsnd_click");
            PageUp();
            return 0;
        case kScrollDown:
            playSound("bsnd_click");
            PageDown();
            return 0;
        case kCast:
        case kClose: playSound("bsnd_bookclose"); return m_parent ? m_parent->OnCommand(id) : 0;
        default: return 0;
    }
}

uint32_t SDialogSpellbook::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    // The press that opened the book does not close it again.
    if (IsPressOutside(*this, x, y, down, drag)) return IsOpenFrame() ? 0 : OnCommand(kClose);
    return SDialog::OnPen(x, y, down, drag);
}
