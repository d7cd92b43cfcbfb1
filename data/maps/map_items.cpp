#include "data/maps/map_items.h"

#include <algorithm>

#include "data/items/item_database.h"
#include "data/maps/map.h"

namespace {
constexpr int32_t kMostItems = SPtrArray<SItem>::kMaxCount;
}  // namespace

uint32_t SMapItems::CountInContainer(SMap& map, uint8_t containerId, const char* itemType) {
    const SItemList* container = map.FindContainer(containerId);
    const SItemType* type = m_items.FindItemType(itemType);
    return container && type ? uint32_t(container->CountOfType(type)) : 0;
}

void SMapItems::AddToContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) {
    SItemList* container = map.FindContainer(containerId);
    const SItemType* type = m_items.FindItemType(itemType);
    // A script's amount is taken as it comes; what a container cannot hold is not made at all.
    if (container && type)
        container->AddItems(*type, std::min<int32_t>(amount, kMostItems - container->Count()), m_random);
}

void SMapItems::RemoveFromContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) {
    SItemList* container = map.FindContainer(containerId);
    const SItemType* type = m_items.FindItemType(itemType);
    if (container && type) container->RemoveItems(type, amount);
}

SItemType* SMapItems::FindIngredient(const char* name) {
    SItemType* type = m_items.FindItemType(name);
    return type && type->m_class == kItemIngredient ? type : nullptr;
}
