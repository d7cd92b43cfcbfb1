#include "ui/dialogs/dialog_enchant_item.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"
#include "ui/dialogs/paged_list.h"
#include "ui/dialogs/wand_charges.h"

namespace {

constexpr uint32_t kInnerFrame = 568;

// No effects of its own or of its type yet, and room for some.
bool isEnchantable(const SItem& item) {
    return !item.m_effects && !item.m_type->m_effects && item.m_type->m_enchantCapacity != 0;
}

}  // namespace

void SDialogEnchantItem::Init(SGameData* game) {
    SDialog::Init(game);
    m_enchant.Init(game);
    m_rechargeWand.Init(game);
    m_message.Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_frame, &m_innerFrame, &m_title, &m_listLabel, &m_list, &m_pageUp, &m_pageDown,
                                       &m_description, &m_capacityText, &m_choose, &m_close})
        ctrl->Attach(this);
}

void SDialogEnchantItem::Open(const SNpcType* host, uint32_t level, bool recharge) {
    ClearCtrls();
    SetLayout(kLayout);
    CenterOnScreen();
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    PlaceOuterFrame(*this, m_frame);
    PlaceSmallFrame(*this, m_innerFrame, kInnerFrame, 0, SBorderSides::kAll);
    PlaceTitle(*this, m_title, recharge ? "Select the item to be recharged" : "Select the item to be enchanted");
    PlaceText(*this, m_listLabel, 273, "Items:", kEnchantText);
    PlaceList(*this, m_list, kList);
    PlaceArrowButton(*this, m_pageUp, kPageUp, true);
    PlaceArrowButton(*this, m_pageDown, kPageDown, false);
    PlaceCtrl(m_description, kDescription);
    m_description.Setup(2, kEnchantBright, kEnchantText, 0x000000, 1, 2, 2, kEnchantBright, kEnchantBright);
    PlaceText(*this, m_capacityText, kCapacityText, "", kEnchantText);
    PlacePictureButton(*this, m_choose, kEnchantConfirm, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_close, kClose, SInterfaceRole::kCancelButton);

    m_host = host;
    m_recharge = recharge;
    m_state = kListing;
    FillItems();
    UpdateScrollButtons();
    FormatItem();

    SString capacity;
    if (host != nullptr) {
        m_capacity = uint32_t(host->EnchantingLevel()) * 3;
        capacity.Format("%s can enchant items up to %u storage.", host->texts[0].Text(), m_capacity);
    } else if (!recharge) {
        m_capacity = level * 3;
        capacity.Format("You can enchant items up to %u storage.", m_capacity);
    } else {
        m_capacity = 0;
    }
    m_capacityText.SetText(capacity.Text());
    SetDirty();
    ResetPenGate();
}

void SDialogEnchantItem::FillItems() {
    m_list.ClearRows();
    const SPlayer& player = m_game->m_player;
    SString name;
    for (int i = 0; i < player.ItemCount(); ++i) {
        const SItem& item = *player.Item(i);
        if (item.m_type == nullptr) continue;
        if (!m_recharge && isEnchantable(item)) {
            m_list.AddRowId(uint32_t(i), item.m_type->m_displayName.Text());
        } else if (IsRechargeable(item)) {
            item.m_type->GetDisplayName(&item, name, false, m_game->m_spells);
            m_list.AddRowId(uint32_t(i), name.Text());
        }
    }
    m_list.Layout(false);
    SetDirty();
}

SItem* SDialogEnchantItem::SelectedItem() const {
    return m_list.m_selected < 0 ? nullptr : m_game->m_player.Item(int(m_list.GetSelectedId()));
}

void SDialogEnchantItem::FormatItem() {
    const SItem* item = SelectedItem();
    if (item == nullptr) {
        m_description.SetText("", "", 0, 0);
        SetDirty();
        return;
    }
    SString name, body;
    item->m_type->GetDisplayName(item, name, false, m_game->m_spells);
    if (IsEnchantedWand(*item)) {
        if (IsRechargeable(*item)) body.Format(" (%u/%u charges)", item->m_amount, FullWandCharges(*item));
    } else {
        body.Format("Enchant storage: %u\r\r", uint32_t(item->m_type->m_enchantCapacity));
    }
    m_description.SetText(name.Text(), body.Text(), 0, 0);
    SetDirty();
}

void SDialogEnchantItem::UpdateScrollButtons() { UpdatePageButtons(m_list, m_pageUp, m_pageDown); }

void SDialogEnchantItem::Select() {
    SItem* item = SelectedItem();
    if (item == nullptr) return;
    if (IsEnchantedWand(*item)) {
        if (m_host == nullptr) {
            // The player's own recharge magic fills the wand at once and for nothing.
            item->m_amount = FullWandCharges(*item);
            showMessage("The wand has been recharged.");
            m_state = kFreeRecharge;
            return;
        }
        m_rechargeWand.Open(*m_host, *item);
        SetChild(&m_rechargeWand);
        m_state = kNested;
        Draw();
        return;
    }
    if (item->m_type->m_class == kItemMagic && !m_game->m_player.KnowsAnySpell()) {
        showMessage("You don't know any spells - this item cannot be enchanted.");
        return;
    }
    m_enchant.Open(m_host, *item, m_capacity);
    SetChild(&m_enchant);
    m_state = kNested;
    Draw();
}

void SDialogEnchantItem::showMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_messageText, m_message, *this);
    m_message.ResetPenGate();
    m_state = kMessage;
    Draw();
}

uint32_t SDialogEnchantItem::close(uint32_t id) {
    m_game->m_player.RecomputeEquipment();
    return m_parent ? m_parent->OnCommand(id) : 0;
}

uint32_t SDialogEnchantItem::OnCommand(uint32_t id) {
    switch (m_state) {
        case kNested:
            m_state = kListing;
            Reopen();
            // The player's own magic serves one item; an enchanter offers the rest again.
            if (m_host == nullptr) return close(kClose);
            m_game->m_player.RecomputeEquipment();
            FillItems();
            UpdateScrollButtons();
            FormatItem();
            return 0;
        case kMessage:
            m_state = kListing;
            Reopen();
            return 0;
        case kFreeRecharge:
            m_state = kListing;
            Reopen();
            return close(kClose);
        case kListing: break;
    }
    switch (id) {
        case kPageUp:
        case kPageDown:
            m_game->PlaySound("bsnd_click", 10);
            if (id == kPageUp)
                PageListUp(m_list, m_pageUp, m_pageDown);
            else
                PageListDown(m_list, m_pageUp, m_pageDown);
            FormatItem();
            return 0;
        case kEnchantConfirm:
            m_game->PlaySound("bsnd_clickh", 10);
            Select();
            return 0;
        case kList:
            m_game->PlaySound("bsnd_click", 10);
            FormatItem();
            return 0;
        case kEnchantCancel:
        case kClose: m_game->PlaySound("bsnd_clickh", 10); return close(id);
        default: return 0;
    }
}
