// SNpcType's shop: restocking the shop object's container from the item database's lists.
#include <algorithm>

#include "data/items/item_database.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "engine/base/random.h"

namespace {

// Chances in percent of passing over a type the stock already holds, in the full-list mode.
constexpr int32_t kSkipHeldAtLevel = 51;
constexpr int32_t kSkipHeldAtNextLevel = 61;

// Every entry of the (level, class) list, a type already held passed over at the chance.
void addWholeList(SItemList& stock, const SItemDatabase& items, int level, int itemClass, int32_t skipChance,
                  SRandom& random) {
    for (int i = 0; i < items.CountOf(level, itemClass); ++i) {
        const SItemType* type = items.TypeAt(level, itemClass, i);
        if (stock.FindByType(type) && random.Next(100) < skipChance) continue;
        stock.AddItems(*type, 1, random);
    }
}

// `count` random entries of the (level, class) list; an empty list gives none.
void addPicks(SItemList& stock, const SItemDatabase& items, int level, int itemClass, int32_t count, SRandom& random) {
    for (int32_t i = 0; i < count; ++i)
        if (const SItemType* type = items.RandomOfClass(level, itemClass, random)) stock.AddItems(*type, 1, random);
}

}  // namespace

void SNpcType::RestockShop(SMap& map, SPlacedObject& shop, const SItemDatabase& items, SRandom& random) const {
    if (shop.flags & SPlacedObject::kRestocked) return;
    shop.flags |= SPlacedObject::kRestocked;
    SItemList* stock = map.FindContainer(shop.containerId);
    if (stock == nullptr) return;
    stock->DeleteAll();
    if (shopLevel == 0) return;
    const int level = std::min<int>(shopLevel, kTopShopLevel);
    const bool nextLevel = level < kTopShopLevel;
    for (int itemClass = 1; itemClass < kItemClassCount; ++itemClass) {
        if ((classMask & items.CategoryBit(itemClass)) == 0) continue;
        if (classMask & kFullListStock) {
            addWholeList(*stock, items, level, itemClass, kSkipHeldAtLevel, random);
            if (nextLevel) addWholeList(*stock, items, level + 1, itemClass, kSkipHeldAtNextLevel, random);
            continue;
        }
        const int32_t base = items.BaseStock(itemClass);
        const int32_t picks = level == kTopShopLevel ? base + random.Next(base) : base / 3 + random.Next(base / 3);
        addPicks(*stock, items, level, itemClass, picks + 1, random);
        if (nextLevel)
            addPicks(*stock, items, level + 1, itemClass, 2 * base / 3 + random.Next(2 * base / 3) + 1, random);
    }
}
