#pragma once
// How an item grid turns a container into cells: which items a category and a merchant take,
// which items stack, what each costs in a shop, and the order the cells come in.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ui/widgets/item_entry.h"

class SEffectList;
class SString;
class SGameData;
class SItemList;
class SWandPricing;

using SItemEntries = std::vector<std::unique_ptr<SItemEntry>>;

struct SItemFillRules {
    // 1 weapons, 2 armour, 3 accessories, 4 books and spell books, 5 alchemy, 6 potions, 7 magic,
    // 8 the rest; 0 (or above 8) everything.
    uint32_t category = 0;
    // The merchant's mask of item-class bits; only what the merchant deals in is listed.
    std::optional<uint16_t> merchantCategories;
    uint32_t shopMode = 0;
    uint32_t merchantPays = 0;
    uint32_t priceFactor = 10;  // tenths, when the merchant pays
};

bool ItemCategoryTakes(uint32_t category, uint8_t kind, uint8_t subkind);
// The shop price before the player's trade adjustment, worked out in 64 bits and capped at the
// largest u32, so that a large stack never wraps to a small price.
uint32_t ShopPrice(uint32_t value, uint32_t amount, uint8_t kind, uint8_t subkind, const SItemFillRules& rules);
// A cell's price in the small digits with the gold glyph after it: billions as "3B", else the
// short count ("950", "12K", "4M"); magic and special entries use the raised digits.
void ItemPriceText(const SItemEntry& entry, SString& out);
// The first entry an item of the type, amount and own effects stacks onto; null for none.
SItemEntry* FindItemStack(const SItemEntries& entries, const SItemType* type, uint32_t amount,
                          const SEffectList* effects);
// Empties the entries and fills them from the list, sorted: by kind (potions before
// ingredients), then subkind, then type name byte by byte with a missing name last.
void FillItemEntries(SItemEntries& entries, const SItemList& list, const SItemFillRules& rules, const SGameData& game,
                     const SWandPricing& wands);
