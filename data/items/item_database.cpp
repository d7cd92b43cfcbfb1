#include "data/items/item_database.h"

#include <string>

#include "data/items/item.h"
#include "data/items/item_list.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/base/random.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kTypesTag = 20;
// From this data version each item type has a record of its own.
constexpr int kTypeRecordsFrom = 48;
// A type of stock weight 1 enters its merchants' list once, any other this many times its weight.
constexpr int kStockCopies = 5;

std::string typeFault(const SItemType& type, int number) {
    const std::string fault = type.Fault();
    if (fault.empty()) return fault;
    const char* name = type.NameKey().Text();
    return "item type " + std::to_string(number) + " (\"" + (name ? name : "") + "\"): " + fault;
}

}  // namespace

void SItemDatabase::InitCategories() {
    for (int i = 0; i < kItemClassCount; ++i) m_categories[i] = BuiltInItemCategory(i);
}

uint16_t SItemDatabase::CategoryBit(int itemClass) const {
    return itemClass >= 0 && itemClass < kItemClassCount ? m_categories[itemClass].bit : 0;
}

uint8_t SItemDatabase::BaseStock(int itemClass) const {
    return itemClass >= 0 && itemClass < kItemClassCount ? m_categories[itemClass].baseStock : 0;
}

bool SItemDatabase::Load(SRecordCursor& cursor) {
    SRecordTable<SItemPicture>::SReadChunk pictures;
    SRecordTable<SFpsItem>::SReadChunk sprites;
    SRecordTable<SEquipPicture>::SReadChunk equipment;
    // Not owning, so that the types can move into the database once all of them have been read.
    SPtrArray<SItemType> types{m_types.Step(), false};
    if (!m_pictures.Read(cursor, pictures) || !m_sprites.Read(cursor, sprites) ||
        !m_equipment.Read(cursor, equipment) || !readTypes(cursor, types)) {
        types.DeleteAll();
        return false;
    }
    m_pictures.Add(pictures);
    m_sprites.Add(sprites);
    m_equipment.Add(equipment);
    for (int i = 0; i < types.Count(); ++i) m_types.Add(types[i], ListOrder::Sorted);
    return true;
}

bool SItemDatabase::readTypes(SRecordCursor& cursor, SPtrArray<SItemType>& read) const {
    const int version = cursor.version;
    auto overfill = [this](uint32_t count) {
        if (m_types.Count() + count <= SPtrArray<SItemType>::kMaxCount) return std::string();
        return "its " + std::to_string(count) + " item types overfill the database";
    };
    if (version < kTypeRecordsFrom)
        return ReadTableRecord(cursor, SItemType::kTable, [&](SArchive& archive) {
            archive.SerializeTag(kTypesTag);
            read.SerializeList(archive, version, ListOrder::Appended);
            if (archive.Failed()) return std::string();
            std::string fault = overfill(read.Count());
            for (int i = 0; i < read.Count() && fault.empty(); ++i) fault = typeFault(*read[i], i + 1);
            return fault;
        });

    uint16_t count = 0;
    const bool counted = ReadTableRecord(cursor, SItemType::kTable, [&](SArchive& archive) {
        archive.SerializeTag(kTypesTag);
        archive.SerializeU16(count);
        return overfill(count);
    });
    if (!counted) return false;
    for (int i = 0; i < count; ++i) {
        auto type = std::make_unique<SItemType>();
        const bool whole = ReadTableRecord(cursor, SItemType::kTable, [&](SArchive& archive) {
            type->Serialize(archive, version);
            return typeFault(*type, i + 1);
        });
        if (!whole) return false;
        read.Append(type.release());
    }
    return true;
}

SRecordList SItemDatabase::Write(int version) {
    SRecordList records;
    AppendRecord(records, [&](SArchive& archive) { m_pictures.Write(archive, version); });
    AppendRecord(records, [&](SArchive& archive) { m_sprites.Write(archive, version); });
    AppendRecord(records, [&](SArchive& archive) { m_equipment.Write(archive, version); });
    if (version < kTypeRecordsFrom) {
        AppendRecord(records, [&](SArchive& archive) {
            archive.SerializeTag(kTypesTag);
            m_types.SerializeList(archive, version, ListOrder::Appended);
        });
        return records;
    }
    AppendRecord(records, [&](SArchive& archive) {
        archive.SerializeTag(kTypesTag);
        uint16_t count = m_types.Count();
        archive.SerializeU16(count);
    });
    for (int i = 0; i < m_types.Count(); ++i)
        AppendRecord(records, [&](SArchive& archive) { m_types[i]->Serialize(archive, version); });
    return records;
}

void SItemDatabase::BuildTables(const SResourceCache& cache) {
    m_sprites.ResolvePictures(cache);
    for (int i = 0; i < m_pictures.Count(); ++i) {
        SItemPicture& picture = *m_pictures.At(i);
        const SPictureEntry* entry = picture.m_flag == 0 ? cache.FindPicture(picture.NameKey().Text()) : nullptr;
        picture.m_slot = entry ? entry->slot : 0;
    }
    for (auto& list : m_levelLists) list.clear();
    for (auto& level : m_classLists)
        for (auto& list : level) list.clear();
    for (int i = 0; i < m_types.Count(); ++i) {
        SItemType& type = *m_types[i];
        const SEquipPicture* equipment = FindEquipPicture(type.m_equipName.Text());
        const SItemPicture* picture = equipment ? FindItemPicture(equipment->m_pictureName.Text()) : nullptr;
        type.m_pictureSlot = picture ? picture->m_slot : 0;
        // Levels and classes come from the data; one outside the lists enters none.
        if (type.m_level < 1 || type.m_level > kLevels || type.m_class >= kItemClassCount) continue;
        m_levelLists[type.m_level].push_back(&type);
        const size_t copies = type.m_stockWeight == 1 ? 1 : size_t(kStockCopies) * type.m_stockWeight;
        STypeList& list = m_classLists[type.m_level][type.m_class];
        list.insert(list.end(), copies, &type);
    }
}

bool SItemDatabase::LoadPictures(SResourceCache& cache) {
    bool all = true;
    for (int i = 0; i < m_pictures.Count(); ++i) {
        SItemPicture& picture = *m_pictures.At(i);
        if (picture.m_flag == 0 && !cache.LoadPicture(picture.NameKey().Text())) all = false;
        picture.AcquirePalettes(cache);
    }
    if (!m_sprites.LoadPictures(cache)) all = false;
    return all;
}

const SItemDatabase::STypeList& SItemDatabase::classList(int level, int itemClass) const {
    static const STypeList kNone;
    if (level < 1 || level > kLevels || itemClass < 0 || itemClass >= kItemClassCount) return kNone;
    return m_classLists[level][itemClass];
}

SItemType* SItemDatabase::TypeAt(int level, int itemClass, int index) const {
    const STypeList& list = classList(level, itemClass);
    return index >= 0 && size_t(index) < list.size() ? list[index] : nullptr;
}

SItemType* SItemDatabase::RandomOfClass(int level, int itemClass, SRandom& random) const {
    const STypeList& list = classList(level, itemClass);
    if (itemClass == kItemNone || list.empty()) return nullptr;
    return list[random.Next(int32_t(list.size()))];
}

SItemType* SItemDatabase::RandomOfLevel(int level, SRandom& random) const {
    if (level < 1 || level > kLevels || m_levelLists[level].empty()) return nullptr;
    const STypeList& list = m_levelLists[level];
    return list[random.Next(int32_t(list.size()))];
}

void SItemDatabase::FillContainer(const SPtrArray<SLootRule>& rules, SItemList& container, SRandom& random) const {
    for (int r = 0; r < rules.Count(); ++r) {
        const SLootRule& rule = *rules[r];
        const SItemType* named = nullptr;
        if (!rule.m_itemType.IsEmpty()) {
            named = FindItemType(rule.m_itemType.Text());
            if (named == nullptr) continue;
        }
        for (int roll = 0; roll < rule.m_count; ++roll) {
            if (random.Next(100) >= rule.m_chance) continue;
            const SItemType* type = named ? named : RandomOfLevel(rule.m_level, random);
            if (type) container.Add(SItem::Create(*type, rule.m_condition, random));
        }
    }
}

void SItemDatabase::Clear() {
    m_pictures.Clear();
    m_sprites.Clear();
    m_equipment.Clear();
    m_types.DeleteAll();
    for (auto& list : m_levelLists) list.clear();
    for (auto& level : m_classLists)
        for (auto& list : level) list.clear();
}
