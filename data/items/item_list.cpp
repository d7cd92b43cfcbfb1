#include "data/items/item_list.h"

#include "data/items/item_type.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kContainerTag = 'K';
// Presence bits of a saved container.
constexpr uint8_t kSavedFlags = 1;
constexpr uint8_t kSavedPlace = 2;
constexpr uint8_t kSavedItems = 4;
constexpr int kFirstEquipmentSlot = 1;

}  // namespace

void SItemList::Add(std::unique_ptr<SItem> item) { m_items.Add(item.release(), ListOrder::Appended); }

bool SItemList::Holds(const SItem* item) const {
    for (int i = 0; i < m_items.Count(); ++i)
        if (m_items[i] == item) return true;
    return false;
}

std::unique_ptr<SItem> SItemList::Take(SItem* item) {
    for (int i = 0; i < m_items.Count(); ++i)
        if (m_items[i] == item) return std::unique_ptr<SItem>(m_items.RemoveAt(i));
    return nullptr;
}

void SItemList::MoveAllFrom(SItemList& other) {
    while (other.Count() > 0) Add(std::unique_ptr<SItem>(other.m_items.RemoveAt(0)));
}

SItem* SItemList::FindByType(const SItemType* type) const {
    for (int i = 0; i < m_items.Count(); ++i)
        if (m_items[i]->m_type == type) return m_items[i];
    return nullptr;
}

int SItemList::CountOfType(const SItemType* type) const {
    int count = 0;
    for (int i = 0; i < m_items.Count(); ++i)
        if (m_items[i]->m_type == type) ++count;
    return count;
}

void SItemList::AddItems(const SItemType& type, int n, SRandom& random) {
    for (int i = 0; i < n; ++i) Add(SItem::Create(type, SItem::kFullCondition, random));
}

void SItemList::RemoveItems(const SItemType* type, int n) {
    for (int i = 0; i < m_items.Count() && n > 0;) {
        if (type == nullptr || m_items[i]->m_type != type) {
            ++i;
            continue;
        }
        delete m_items.RemoveAt(i);
        --n;
    }
}

void SItemList::Serialize(SArchive& archive, int version, SItemTypeNames& names) {
    archive.SerializeTag(kContainerTag);
    archive.SerializeU8(m_id);
    archive.SerializeU8(m_flags);
    archive.SerializeU8(m_x);
    archive.SerializeU8(m_y);
    SerializeLootRules(archive, version, m_rules, names);
}

void SItemList::SaveState(SArchive& archive, SItemTypeNames& names) const {
    uint8_t id = m_id;
    archive.SerializeU8(id);
    const bool placed = m_x < kNowhere || m_y < kNowhere;
    uint8_t bits = uint8_t((m_flags ? kSavedFlags : 0) | (placed ? kSavedPlace : 0) | (Count() ? kSavedItems : 0));
    archive.SerializeU8(bits);
    uint8_t flags = m_flags, x = m_x, y = m_y;
    if (bits & kSavedFlags) archive.SerializeU8(flags);
    if (bits & kSavedPlace) {
        archive.SerializeU8(x);
        archive.SerializeU8(y);
    }
    if (!(bits & kSavedItems)) return;
    uint16_t count = m_items.Count();
    archive.SerializeU16(count);
    for (int i = 0; i < count; ++i) m_items[i]->SerializeSaved(archive, names);
}

template <typename OnItem>
bool SItemList::loadFields(SArchive& archive, SItemTypeNames& names, OnItem onItem) {
    uint8_t bits = 0;
    archive.SerializeU8(bits);
    m_flags = 0;
    m_x = m_y = kNowhere;
    if (bits & kSavedFlags) archive.SerializeU8(m_flags);
    if (bits & kSavedPlace) {
        archive.SerializeU8(m_x);
        archive.SerializeU8(m_y);
    }
    m_items.DeleteAll();
    if (!(bits & kSavedItems)) return !archive.Failed();
    uint16_t count = 0;
    archive.SerializeU16(count);
    for (int i = 0; i < count && !archive.Failed(); ++i) {
        auto item = std::make_unique<SItem>();
        item->SerializeSaved(archive, names);
        if (archive.Failed() || (item->m_effects && !item->m_effects->Fault().empty())) return false;
        // An item whose type the data lost is dropped; the items after it still read.
        onItem(i, item->m_type ? item.get() : nullptr);
        if (item->m_type) Add(std::move(item));
    }
    return !archive.Failed();
}

bool SItemList::LoadState(SArchive& archive, SItemTypeNames& names) {
    return loadFields(archive, names, [](int, SItem*) {});
}

bool SItemList::LoadPlayerState(SArchive& archive, SItemTypeNames& names, SEquipmentIndexes& indexes,
                                SEquipmentSlots& slots) {
    archive.SerializeU8(m_id);
    return loadFields(archive, names, [&](int position, SItem* item) {
        for (size_t slot = kFirstEquipmentSlot; slot < indexes.size(); ++slot) {
            if (indexes[slot] != position) continue;
            slots[slot] = item;
            indexes[slot] = -1;
            return;
        }
    });
}
