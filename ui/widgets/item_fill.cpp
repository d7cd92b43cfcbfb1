#include "ui/widgets/item_fill.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "data/items/item_classes.h"
#include "game/game_data.h"
#include "ui/widgets/item_type_picture.h"

namespace {

// Bits of the item type's flags that only the grid reads.
constexpr uint8_t kItemFillTypeSpecial = 4;
constexpr uint8_t kTypeSecondFlag = 16;
constexpr uint32_t kBillion = 1'000'000'000;
constexpr char kItemFillGoldGlyph = 9;

bool isWearableItemFill(uint8_t kind) { return kind >= kItemWeapon && kind <= kItemAccessory; }

// Arrows, bolts and throwing weapons are sold by the dozen.
bool isPricedByAmount(uint8_t kind, uint8_t subkind) {
    return kind == kItemWeapon &&
           (subkind == kWeaponThrowing || subkind == kWeaponQuiver || subkind == kWeaponBoltQuiver);
}

// A shop buys books and spell books at a quarter of their value, everything else at half.
bool isSoldAtQuarter(uint8_t kind, uint8_t subkind) {
    return (kind == kItemBook && subkind == kBookSubtypeBook) || (kind == kItemMagic && subkind == kMagicSpellbook);
}

uint32_t capU32(uint64_t value) { return uint32_t(std::min<uint64_t>(value, std::numeric_limits<uint32_t>::max())); }

// Potions come before ingredients; the other kinds keep their order.
int kindRank(uint8_t kind) {
    if (kind == kItemPotion) return 2 * kItemIngredient - 1;
    return 2 * kind;
}

bool sortsBefore(const std::unique_ptr<SItemEntry>& a, const std::unique_ptr<SItemEntry>& b) {
    if (a->kind != b->kind) return kindRank(a->kind) < kindRank(b->kind);
    if (a->subkind != b->subkind) return a->subkind < b->subkind;
    const char* nameA = a->type->m_name.Text();
    const char* nameB = b->type->m_name.Text();
    if (nameA == nullptr || nameB == nullptr) return nameA != nullptr && nameB == nullptr;
    return std::strcmp(nameA, nameB) < 0;
}

}  // namespace

bool ItemCategoryTakes(uint32_t category, uint8_t kind, uint8_t subkind) {
    switch (category) {
        case 1: return kind == kItemWeapon;
        case 2: return kind == kItemHeavyArmour || kind == kItemLightArmour;
        case 3: return kind == kItemAccessory;
        case 4: return kind == kItemBook || (kind == kItemMagic && subkind == kMagicSpellbook);
        case 5: return kind == kItemAlchemy || kind == kItemIngredient;
        case 6: return kind == kItemPotion;
        case 7: return kind == kItemMagic;
        case 8: return kind >= kItemMoney && kind <= kItemCard;
        default: return true;
    }
}

uint32_t ShopPrice(uint32_t value, uint32_t amount, uint8_t kind, uint8_t subkind, const SItemFillRules& rules) {
    uint64_t price = value;
    if (isPricedByAmount(kind, subkind)) price = uint64_t(amount) * value / 12;
    if (rules.shopMode) {
        if (rules.merchantPays)
            price = price > std::numeric_limits<uint64_t>::max() / std::max<uint64_t>(rules.priceFactor, 1)
                        ? std::numeric_limits<uint64_t>::max()
                        : rules.priceFactor * price / 10;
        else
            price /= isSoldAtQuarter(kind, subkind) ? 4 : 2;
    }
    return capU32(price);
}

void ItemPriceText(const SItemEntry& entry, SString& out) {
    if (entry.price >= kBillion)
        out.Format("%luB", (unsigned long)(entry.price / kBillion));
    else
        FormatCount(entry.price, out);
    out.AppendChar(kItemFillGoldGlyph);
    if (entry.flags & (SItemEntryFlags::kMagic | SItemEntryFlags::kSpecial))
        ToDigitGlyphsHigh(out);
    else
        ToDigitGlyphs(out);
}

SItemEntry* FindItemStack(const SItemEntries& entries, const SItemType* type, uint32_t amount,
                          const SEffectList* effects) {
    for (const auto& entry : entries) {
        if (entry->flags & SItemEntryFlags::kNeverStacks) continue;
        const SItem& item = *entry->item;
        if (item.m_type != type || item.m_amount != amount) continue;
        const SEffectList* own = item.m_effects.get();
        if ((own == nullptr && effects == nullptr) || (own != nullptr && own->Equals(effects))) return entry.get();
    }
    return nullptr;
}

void FillItemEntries(SItemEntries& entries, const SItemList& list, const SItemFillRules& rules, const SGameData& game,
                     const SWandPricing& wands) {
    entries.clear();
    const bool marksEquipment = rules.shopMode == 0 && rules.merchantPays == 0;
    for (int i = 0; i < list.Count(); ++i) {
        SItem* item = list.At(i);
        const SItemType* type = item ? item->m_type : nullptr;
        if (type == nullptr) continue;
        const uint8_t kind = type->m_class, subkind = type->m_subtype;
        if (!ItemCategoryTakes(rules.category, kind, subkind)) continue;
        if (rules.merchantCategories && (game.m_items.CategoryBit(kind) & *rules.merchantCategories) == 0) continue;
        // A worn piece keeps a cell of its own, so the grid can show and choose exactly it.
        const bool worn = marksEquipment && isWearableItemFill(kind) && game.m_player.HasInSlots(item);
        if (!worn) {
            SItemEntry* stack = FindItemStack(entries, type, item->m_amount, item->m_effects.get());
            if (stack && stack->count < UINT16_MAX) {
                ++stack->count;
                continue;
            }
        }
        auto entry = std::make_unique<SItemEntry>();
        entry->type = type;
        entry->item = item;
        entry->picture = ItemTypePicture(game, *type);
        entry->palette = ItemTypePalette(game, *type);
        entry->kind = kind;
        entry->subkind = subkind;
        if (type->m_flags & kItemFillTypeSpecial)
            entry->flags |= SItemEntryFlags::kSpecial;
        else if (isWearableItemFill(kind) && (item->m_effects || type->m_effects))
            entry->flags |= SItemEntryFlags::kMagic;
        if (type->m_flags & kTypeSecondFlag) entry->flags |= SItemEntryFlags::kSecondTypeFlag;
        const uint32_t price = ShopPrice(type->GetValue(item, wands), item->m_amount, kind, subkind, rules);
        entry->price = game.m_player.AdjustPrice(price, rules.merchantPays != 0);
        if (marksEquipment && isWearableItemFill(kind)) {
            entry->flags |= SItemEntryFlags::kEquippable;
            if (worn)
                entry->flags |= SItemEntryFlags::kNeverStacks | SItemEntryFlags::kEquipped;
            else if (!game.m_player.CanUseByAlignment(*item))
                entry->flags |= SItemEntryFlags::kUnusable;
        }
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), sortsBefore);
}
