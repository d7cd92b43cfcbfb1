#include "tools/sampledata/sample_item_types.h"

#include <memory>

#include "data/items/item_database.h"
#include "data/items/item_type.h"

void AddSampleItemTypes(SItemDatabase& items, std::span<const SSampleItemType> types) {
    for (const SSampleItemType& sample : types) {
        auto type = std::make_unique<SItemType>();
        type->m_name.Set(sample.name);
        type->m_displayName.Assign(sample.displayName);
        type->m_class = sample.itemClass;
        type->m_subtype = sample.subtype;
        type->m_baseValue = sample.value;
        type->m_flags = sample.flags;
        type->m_weight = sample.weight;
        if (sample.text != nullptr) type->m_firstText.Assign(sample.text);
        items.AddItemType(std::move(type));
    }
}
