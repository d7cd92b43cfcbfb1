// Food and water: what the race eats, eating at rest, and the Create food effect.
#include <vector>

#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/player/player.h"
#include "engine/base/random.h"

namespace {

bool IsComestible(const SItemType* type, uint8_t subtype) {
    return type && type->m_class == kItemComestible && type->m_subtype == subtype;
}

}  // namespace

bool SPlayer::eats(const SItemType& type) const { return IsUndead() || (type.m_flags & kItemSpoilt) == 0; }

bool SPlayer::HasFoodAndWater() const {
    bool food = false;
    bool water = false;
    for (int i = 0; i < m_pack.Count(); ++i) {
        const SItemType* type = m_pack.At(i)->m_type;
        if (type == nullptr || !eats(*type)) continue;
        food |= IsComestible(type, kComestibleFood);
        water |= IsComestible(type, kComestibleWater);
    }
    return food && water;
}

void SPlayer::ConsumeFoodAndWater() {
    for (const uint8_t subtype : {kComestibleFood, kComestibleWater}) {
        for (int i = 0; i < m_pack.Count(); ++i) {
            SItem* item = m_pack.At(i);
            if (!IsComestible(item->m_type, subtype) || !eats(*item->m_type)) continue;
            RemoveOwnedItem(item);
            break;
        }
    }
}

void SPlayer::CreateFood() {
    if (m_rules.items == nullptr || m_rules.random == nullptr) return;
    // Drawn only among what the race eats, so that a world without such food gives none instead of
    // drawing for ever.
    std::vector<const SItemType*> foods;
    std::vector<const SItemType*> drinks;
    for (int i = 0; i < m_rules.items->ItemTypeCount(); ++i) {
        const SItemType* type = m_rules.items->ItemTypeAt(i);
        if (type->m_class != kItemComestible || !eats(*type)) continue;
        (type->m_subtype == kComestibleFood ? foods : drinks).push_back(type);
    }
    if (foods.empty() && drinks.empty()) return;
    queue("You have created some food.", "bsnd_click");
    for (const std::vector<const SItemType*>* list : {&foods, &drinks})
        if (!list->empty()) AddItems(*(*list)[size_t(m_rules.random->Next(int32_t(list->size())))], 1);
}
