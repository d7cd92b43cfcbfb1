#pragma once
// SLevelItemNames: a package's item-type names (its 'D' name index) as the loot rules of a map's
// containers refer to them. Reading only looks names up; an index past the names names nothing.
#include <vector>

#include "data/items/item_type_names.h"

class SLevelItemNames : public SItemTypeNames {
public:
    explicit SLevelItemNames(const std::vector<SItemType*>& index) : m_index(index) {}

    // Maps only read their level data, so nothing is ever added.
    uint16_t InternItemType(const char*) override { return 0; }
    SItemType* GetItemType(uint16_t index) const override { return index < m_index.size() ? m_index[index] : nullptr; }

private:
    const std::vector<SItemType*>& m_index;
};
