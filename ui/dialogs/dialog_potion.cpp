#include "ui/dialogs/dialog_potion.h"

#include <algorithm>
#include <cstring>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "engine/base/number_text.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/paged_list.h"
#include "ui/dialogs/press_outside.h"
#include "ui/dialogs/spell_entry_array.h"

namespace {

constexpr uint32_t kPromptBlend = 0x585858;
constexpr uint32_t kRowBackground = 0x6496C8;

}  // namespace

void SDialogPotion::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_background, &m_prompt, &m_list, &m_scrollUp, &m_scrollDown,
                                                     &m_drink, &m_close})
        ctrl->Attach(this);
}

void SDialogPotion::Open() {
    ClearCtrls();
    SetLayout(kLayout);
    const SViewDescriptor& view = m_game->PlayView();
    SetPos(view.m_viewX + view.m_viewWidth - m_w, view.m_viewY + view.m_viewHeight - m_h);

    m_background.SetTile(m_game->InterfacePicture(SInterfaceRole::kPotionBackground));
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    PlaceCtrl(m_background, 221);
    PlaceCtrl(m_prompt, 16);
    m_list.SetStyle(1, kPageInk, kRowBackground, nullptr);
    m_list.m_id = kList;
    PlaceCtrl(m_list, kList);
    if (PlaceCtrl(m_scrollUp, kScrollUp)) SetupArrowButton(m_scrollUp, *m_game, true, kScrollUp);
    if (PlaceCtrl(m_scrollDown, kScrollDown)) SetupArrowButton(m_scrollDown, *m_game, false, kScrollDown);
    if (PlaceCtrl(m_drink, kDrink)) m_drink.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kDrink, 0);
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, 0);

    m_list.ClearRows();
    addPotionRows();
    m_list.Layout(false);
    m_prompt.SetTextEx("Select a potion:", STextAlign::kLeft, 1, kPageInk, kPromptBlend);
    m_prompt.Layout();
    UpdateScrollButtons();
    ResetPenGate();
}

void SDialogPotion::addPotionRows() {
    const SPlayer& player = m_game->m_player;
    SSpellEntryArray groups;
    for (int i = 0; i < player.ItemCount(); ++i) {
        const SItem& item = *player.Item(i);
        if (item.m_type->m_class == kItemPotion && !(item.m_type->m_flags & kItemUnlisted))
            groups.AddItemByType(item, uint32_t(i));
    }
    // One row per type, whatever a potion's own effects: two rows of one name were two choices
    // the player could not tell apart. Potions of equal weight go by name, not by pack order,
    // which drinking and picking up shuffle: the first row, the one chosen unless the player
    // chooses another, stays the same from one opening to the next.
    SSpellEntry* first = &groups[0];
    std::stable_sort(first, first + groups.Count(), [](const SSpellEntry& a, const SSpellEntry& b) {
        if (a.type->m_weight != b.type->m_weight) return a.type->m_weight > b.type->m_weight;
        return std::strcmp(a.type->m_displayName.Text(), b.type->m_displayName.Text()) < 0;
    });
    SString text, key;
    for (int32_t g = 0; g < groups.Count(); ++g) {
        const SSpellEntry& group = groups[g];
        text.Assign(group.type->m_displayName.Text());
        if (group.count > 1) text.AppendFormat(" (%u)", group.count);
        key.Format("%u", group.index);
        m_list.AddRowLabel(key.Text(), text.Text(), 0);
    }
}

SItem* SDialogPotion::GetSelectedItem() const {
    const char* key = m_list.GetSelectedKey();
    if (key[0] == '\0') return nullptr;
    return m_game->m_player.Item(StrToInt(key));
}

void SDialogPotion::UpdateScrollButtons() { UpdatePageButtons(m_list, m_scrollUp, m_scrollDown); }

void SDialogPotion::PageUp() { PageListUp(m_list, m_scrollUp, m_scrollDown); }

void SDialogPotion::PageDown() { PageListDown(m_list, m_scrollUp, m_scrollDown); }

void SDialogPotion::Draw() {
    DirtyAllCtrls();
    SDialog::Draw();
}

uint32_t SDialogPotion::OnCommand(uint32_t id) {
    switch (id) {
        case kScrollUp:
            m_game->PlaySound("bsnd_click", 10);
            PageUp();
            return 0;
        case kScrollDown:
            m_game->PlaySound("bsnd_click", 10);
            PageDown();
            return 0;
        case kDrink: return m_parent ? m_parent->OnCommand(id) : 0;
        case kClose: m_game->PlaySound("bsnd_clickh", 10); return m_parent ? m_parent->OnCommand(id) : 0;
        case kList: m_game->PlaySound("bsnd_clickh", 10); return 0;
        default: return 0;
    }
}

uint32_t SDialogPotion::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    // The press that opened the dialog does not close it again.
    if (IsPressOutside(*this, x, y, down, drag)) return IsOpenFrame() ? 0 : OnCommand(kClose);
    return SDialog::OnPen(x, y, down, drag);
}
