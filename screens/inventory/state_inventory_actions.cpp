// What the items page does with the selected item: equip or remove it, put it on the chosen hand,
// read, mix or repair with it, drop it into the container and take it from there. Each outcome is
// a status message in the description panel.
#include <cctype>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/player/item_phrase.h"
#include "data/player/player.h"
#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "screens/gold_rules.h"
#include "screens/inventory/book_lessons.h"
#include "screens/inventory/equip_side.h"
#include "screens/inventory/item_page_rules.h"
#include "screens/inventory/state_inventory.h"

namespace {

bool isShield(const SItemType& type) {
    return (type.m_class == kItemHeavyArmour || type.m_class == kItemLightArmour) && type.m_subtype == kArmourShield;
}

// Pieces whose condition matters for wearing them: weapons other than throwing weapons and
// quivers, and all armour.
bool wearsDownInventoryActions(const SItemType& type) {
    if (type.m_class == kItemHeavyArmour || type.m_class == kItemLightArmour) return true;
    return type.m_class == kItemWeapon && type.m_subtype != kWeaponThrowing && type.m_subtype != kWeaponQuiver &&
           type.m_subtype != kWeaponBoltQuiver;
}

const char* readVerb(uint8_t subtype) {
    switch (subtype) {
        case 1: return "read books";
        case 2: return "read letters";
        case 3: return "examine maps";
        default: return "read anything";
    }
}

const char* readableNoun(uint8_t subtype) {
    switch (subtype) {
        case 1: return "book.";
        case 3: return "map.";
        default: return "letter.";
    }
}

}  // namespace

void SStateInventory::showDigitStatus(SString& text) {
    ToDigitGlyphs(text);
    ShowStatus(text.Text());
}

void SStateInventory::EquipOrRemove() {
    const SItemEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->item == nullptr || (entry->flags & SItemEntryFlags::kUnusable)) return;
    SItem* item = entry->item;
    const SItemType& type = *entry->type;
    SPlayer& player = m_game->m_player;
    SString text;
    if (UnderThreat() && type.m_class != kItemWeapon && !isShield(type)) {
        ReloadItemList(true);
        ShowStatus(
            "You cannot equip or remove anything (except weapons and shields) when there might be immediate "
            "threat.");
        playSound("bsnd_click");
        return;
    }
    if (entry->flags & SItemEntryFlags::kSecondTypeFlag) {
        text.Format("You cannot %s this item.", EquipVerb(type));
        ReloadItemList(true);
        ShowStatus(text.Text());
        playSound("bsnd_click");
        return;
    }
    // A maximum condition of 0 counts as undamaged.
    if (wearsDownInventoryActions(type) && item->IsNearlyBroken()) {
        text.Format("This item is broken - you cannot %s it.", EquipVerb(type));
        ShowStatus(text.Text());
        playSound("bsnd_click");
        return;
    }
    if (entry->flags & SItemEntryFlags::kEquipped) {
        player.UnequipItem(item);
        text.Assign(m_pages.descriptionView ? "You have removed " : "Removed: ");
        FormatItemPhrase(type, 1, text);
        text.Append(".");
        ReloadItemList(true);
        showDigitStatus(text);
        playSound("bsnd_wear");
        return;
    }
    const SEquipSide side = ChooseEquipSide(player, type);
    if (side.askHand) {
        m_pages.page = SInventoryPages::kHandQuestion;
        SetChild(&m_handChooser);
        m_handChooser.ResetPenGate();
        playSound("bsnd_click");
        return;
    }
    if (side.clearFirst != kNoSlot) player.UnequipItem(player.EquippedItem(side.clearFirst));
    player.EquipItem(item, side.second);
    if (m_pages.descriptionView) {
        text.Format("You have %s ", EquipPastVerb(type));
        FormatItemPhrase(type, 1, text);
    } else {
        SString name;
        type.GetDisplayName(item, name, false, m_game->m_spells);
        const char* past = EquipPastVerb(type);
        text.Format("%c%s: %s", toupper(past[0]), past + 1, name.Text());
    }
    text.Append(".");
    ReloadItemList(true);
    showDigitStatus(text);
    playSound("bsnd_wear");
}

void SStateInventory::OnHandChosen(uint32_t id) {
    closeChildDialog();
    if (id == SDialogMessage::kLeft || id == SDialogMessage::kRight) WieldItem(id == SDialogMessage::kLeft);
}

void SStateInventory::WieldItem(bool leftHand) {
    const SItemEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->item == nullptr) return;
    m_game->m_player.EquipItem(entry->item, leftHand);
    SString text("You have wielded ");
    FormatItemPhrase(*entry->type, 1, text);
    text.AppendFormat(" in your %s hand.", leftHand ? "left" : "right");
    ReloadItemList(true);
    showDigitStatus(text);
    playSound("bsnd_wear");
}

void SStateInventory::UseItem() {
    const SItemEntry* entry = SelectedEntry();
    if (m_containerView || entry == nullptr || entry->item == nullptr) {
        m_use.Hide();
        return;
    }
    const SItem& item = *entry->item;
    const SItemType& type = *entry->type;
    const uint8_t subtype = type.m_subtype;
    const bool unusable = entry->flags & SItemEntryFlags::kSecondTypeFlag;
    SString text;
    // A refusal: the list reloaded with the selection kept, then the text, without a sound.
    const auto refuse = [this](const char* message) {
        ReloadItemList(true);
        ShowStatus(message);
    };
    const auto threatened = [this](const char* message) {
        if (!UnderThreat()) return false;
        ShowStatus(message);
        playSound("bsnd_click");
        return true;
    };
    switch (type.m_class) {
        case kItemBook: {
            text.Format("You cannot %s when there might be immediate threat.", readVerb(subtype));
            if (threatened(text.Text())) return;
            if (unusable) {
                text.Format("You cannot read this %s", readableNoun(subtype));
                return refuse(text.Text());
            }
            if (subtype < 1 || subtype > 3) return;
            OpenReading(type);
            if (subtype != kBookSubtypeBook) return;
            if (TeachSkillBook(m_game->m_player, type, m_game->m_skills, m_game->m_attributes, text) !=
                SBookLesson::kNone)
                m_reader.ShowResult(text.Text());
            return;
        }
        case kItemAlchemy:
            if (threatened("You cannot mix potions when there might be immediate threat.")) return;
            if (unusable) return refuse("You cannot use this item.");
            return OpenAlchemy(item);
        case kItemIngredient:
            if (unusable) refuse("You cannot eat this ingredient.");
            return;
        case kItemPotion:
            if (unusable) refuse("You cannot quaff this potion.");
            return;
        case kItemMagic:
            if (subtype != kMagicSpellbook) return;
            if (threatened("You cannot read spellbooks when there might be immediate threat.")) return;
            if (unusable) return refuse("You cannot read this spellbook.");
            OpenReading(type);
            if (TeachSpellbook(m_game->m_player, type, m_game->m_spells, text) != SBookLesson::kNone && !text.IsEmpty())
                m_reader.ShowResult(text.Text());
            return;
        case kItemRepair:
            if (threatened("You cannot repair items when there might be immediate threat.")) return;
            if (unusable) return refuse("You cannot use this item.");
            return OpenRepair(item);
        default: return;
    }
}

void SStateInventory::OpenReading(const SItemType& type) {
    const bool letter = type.m_class == kItemBook && (type.m_subtype == 2 || type.m_subtype == 3);
    const bool spellbook = type.m_class == kItemMagic;
    m_pages.page = SInventoryPages::kReading;
    m_reader.Open(letter ? SDialogItemRead::kLetter : spellbook ? SDialogItemRead::kSpellbook : SDialogItemRead::kBook);
    SString title;
    if (!letter) type.GetDisplayName(nullptr, title, false, m_game->m_spells);
    m_reader.SetText(title.Text(), type.m_firstText.Text());
    SetChild(&m_reader);
}

void SStateInventory::OpenAlchemy(const SItem& tool) {
    m_pages.page = SInventoryPages::kAlchemy;
    m_alchemy.Open(&tool);
    SetChild(&m_alchemy);
}

void SStateInventory::OpenRepair(const SItem& tool) {
    m_pages.page = SInventoryPages::kRepair;
    m_repair.Open(&tool);
    SetChild(&m_repair);
}

void SStateInventory::switchView(uint32_t containerView) {
    m_containerView = containerView;
    refillGrid(false);
    afterGridChange();
    playSound("bsnd_clickh");
    // Take and Drop also switch between the pack and what lies here; one grid looks like the other,
    // so the panel says which one shows.
    ShowStatus(containerView ? "What lies here. Drop shows your pack." : "Your pack. Take shows what lies here.");
}

void SStateInventory::DropItem() {
    if (m_container == nullptr) return;
    if (m_containerView) return switchView(0);
    const SItemEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->item == nullptr) return;
    const SItemType& type = *entry->type;
    std::unique_ptr<SItem> item = m_game->m_player.RemoveOwnedItem(entry->item);
    if (item == nullptr) return;
    m_container->Add(std::move(item));
    SString text("You have dropped ");
    FormatItemPhrase(type, 1, text);
    text.Append(".");
    ToDigitGlyphs(text);
    refillGrid(true);
    playSound("bsnd_drop");
    UpdateStatus();
    afterGridChange();
    ShowStatus(text.Text());
}

void SStateInventory::PickUpItem() {
    if (m_container == nullptr) return;
    if (!m_containerView) return switchView(1);
    const SItemEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->item == nullptr) return;
    const SItemType& type = *entry->type;
    std::unique_ptr<SItem> item = m_container->Take(entry->item);
    if (item == nullptr) return;
    SPlayer& player = m_game->m_player;
    SString text("You have taken ");
    if (type.m_class == kItemMoney) {
        // All gold goes through the one routine that holds it at the cap.
        player.ReceiveGold(ClampGold(type.m_baseValue), false, false);
        playSound("bsnd_money");
        text.AppendFormat("%u gold.", type.m_baseValue);
    } else {
        player.AddOwnedItem(std::move(item));
        playSound("bsnd_pickup");
        FormatItemPhrase(type, 1, text);
        text.Append(".");
    }
    ToDigitGlyphs(text);
    refillGrid(true);
    UpdateStatus();
    afterGridChange();
    ShowStatus(text.Text());
}
