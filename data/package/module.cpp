#include "data/package/module.h"

#include <cctype>
#include <cstring>
#include <span>

#include "data/map_objects/map_object_type_table.h"
#include "data/package/module_context.h"
#include "data/package/module_records.h"
#include "engine/base/archive.h"
#include "engine/draw/picture.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/resource_cache.h"
#include "engine/packages/resource_index.h"

namespace {

// The floor of a package whose maps record names none.
constexpr char kDefaultFloorType[] = "base_water";
// The play screen's grid starts its current section this many cells in, and world positions count
// from the corner of section (1, 1); hence world = local + 21 X - 28.
constexpr int kGridBorder = 7;
constexpr int kWorldOffset = SModule::kMapCells + kGridBorder;
// The play screen's grid: its current section and the border on each side.
constexpr int kGridCells = SModule::kMapCells + 2 * kGridBorder;
// Map names number their grid places with two digits each.
constexpr int kLastMapCoord = 99;

const char* nameIndexWhat(SNameIndex index) {
    switch (index) {
        case SNameIndex::MapObjectTypes: return "the map-object type names";
        case SNameIndex::ItemTypes: return "the item type names";
        case SNameIndex::Monsters: return "the monster names";
        case SNameIndex::Palettes: return "the palette names";
    }
    return "a name index";
}

// Entry 0 stays null; entry i is what the i-th name finds.
template <typename T>
void resolveNames(std::vector<T*>& table, const std::vector<const char*>& names,
                  const std::function<T*(const char*)>& find) {
    table.assign(1, nullptr);
    for (const char* name : names) table.push_back(name && find ? find(name) : nullptr);
}

int floorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

}  // namespace

SModule::SModule(SModuleContext& context) : m_context(context) {}

SModule::~SModule() = default;

bool SModule::fail(SReadError error) {
    m_error = std::move(error);
    return false;
}

bool SModule::Load(std::unique_ptr<SPdb> file) {
    m_file = std::move(file);
    const SResourceCache::Mark mark = m_context.cache->GetMark();
    if (loadRecords()) return true;
    m_context.cache->RollBack(mark);
    return false;
}

bool SModule::loadRecords() {
    SRecordCursor cursor{*m_file, kModuleHeaderRecord, 0, {}};
    if (!readHeader(cursor)) return fail(cursor.error);
    const SResourceCache::Mark indexed = m_context.cache->GetMark();
    if (!m_context.cache->ReadIndex(*m_file, cursor.id)) return fail(m_context.cache->Error());
    if (!m_context.cache->CheckSince(indexed)) return fail(m_context.cache->Error());
    if (!readPackagePicture(cursor)) return fail(cursor.error);
    for (const SModuleStep& step : ModuleLoadOrder(m_header.dataVersion)) {
        const uint16_t first = cursor.id;
        const bool read = step.isTable ? m_context.tables[int(step.table)](cursor)
                                       : readNameIndex(step.nameIndex, cursor);
        if (read) continue;
        // A table loader that gives no reason is still named.
        const char* what = step.isTable ? TableName(step.table) : nameIndexWhat(step.nameIndex);
        return fail(cursor.error.Failed() ? cursor.error : m_file->RecordFault(first, what, "refused"));
    }
    if (m_context.afterTables) m_context.afterTables(*this);
    if (!readMaps(cursor)) return fail(cursor.error);
    return true;
}

bool SModule::readHeader(SRecordCursor& cursor) {
    const char* what = "the header";
    SArchive archive;
    auto record = cursor.TakeInto(archive, what);
    if (!record) return false;
    m_header.Serialize(archive);
    if (!cursor.CheckRead(archive, what)) return false;
    cursor.version = m_header.dataVersion;
    m_namePrefix = m_header.identifier;
    m_namePrefix.AppendChar('_');
    m_prefixHash = HashName5(m_namePrefix.Text());
    return true;
}

bool SModule::readPackagePicture(SRecordCursor& cursor) {
    // A package without maps of its own has no picture either; its two ids stay unused.
    if (m_header.mapPrefix.IsEmpty()) {
        cursor.id = uint16_t(cursor.id + 2);
        return true;
    }
    const char* sizeWhat = "the package picture's size";
    SArchive archive;
    auto sizeRecord = cursor.TakeInto(archive, sizeWhat);
    if (!sizeRecord) return false;
    SPackagePictureRecord announced;
    announced.Serialize(archive);
    if (!cursor.CheckRead(archive, sizeWhat)) return false;

    const char* what = "the package picture";
    auto record = cursor.Take(what);
    if (!record) return false;
    auto picture = std::make_unique<SPictureEntry>();
    SReadError fault = m_file->RecordFault(cursor.taken, what, "");
    if (!picture->Bind(record->bytes, kResourceRecordPrefix, fault)) {
        cursor.error = fault;
        return false;
    }
    picture->file = m_file.get();
    picture->recordId = cursor.taken;
    picture->size = announced.size;
    picture->record = std::move(record);
    m_packagePicture = std::move(picture);
    return true;
}

bool SModule::readNameIndex(SNameIndex index, SRecordCursor& cursor) {
    const char* what = nameIndexWhat(index);
    SArchive archive;
    // The names are looked up at once; the record goes with them.
    auto record = cursor.TakeInto(archive, what);
    if (!record) return false;
    SNameIndexRecord names;
    names.Serialize(archive, index);
    if (!cursor.CheckRead(archive, what)) return false;
    switch (index) {
        case SNameIndex::MapObjectTypes: {
            const SMapObjectTypeTable* types = m_context.mapObjectTypes;
            resolveNames<SMapObjectType>(m_typeIndex, names.names,
                                         [types](const char* name) { return types ? types->Find(name) : nullptr; });
            break;
        }
        case SNameIndex::ItemTypes: resolveNames(m_itemIndex, names.names, m_context.findItemType); break;
        case SNameIndex::Monsters: resolveNames(m_monsterIndex, names.names, m_context.findMonster); break;
        case SNameIndex::Palettes: {
            SResourceCache& cache = *m_context.cache;
            resolveNames<SPaletteEntry>(m_paletteIndex, names.names,
                                        [&cache](const char* name) { return cache.FindPalette(name); });
            break;
        }
    }
    return true;
}

bool SModule::readMaps(SRecordCursor& cursor) {
    const char* what = "the maps record";
    SArchive archive;
    auto record = cursor.TakeInto(archive, what);
    if (!record) return false;
    // The maps' names point into the record, so it is kept before they are read.
    if (!m_keptRecords.Append(record.get())) return cursor.Fail(what, "too many records kept");
    record.release();
    SMapsRecordHead head;
    head.Serialize(archive);
    if (!cursor.CheckRead(archive, what)) return false;
    if (head.floorIndex >= m_typeIndex.size())
        return cursor.Fail(what, "the default floor is map-object type name " + std::to_string(head.floorIndex) +
                                     " of " + std::to_string(m_typeIndex.size() - 1));
    if (head.paletteIndex >= m_paletteIndex.size())
        return cursor.Fail(what, "the default palette is palette name " + std::to_string(head.paletteIndex) + " of " +
                                     std::to_string(m_paletteIndex.size() - 1));
    m_defaultFloorType = m_typeIndex[head.floorIndex];
    if (m_defaultFloorType == nullptr && m_context.mapObjectTypes)
        m_defaultFloorType = m_context.mapObjectTypes->Find(kDefaultFloorType);
    m_defaultPalette = m_paletteIndex[head.paletteIndex];

    for (int i = 0; i < head.mapCount; ++i) {
        auto map = std::make_unique<SMap>(this);
        uint16_t cellsRecord = 0;
        archive.SerializeU16(cellsRecord);
        map->SetCellsRecord(cellsRecord);
        std::string fault;
        const bool header = map->LoadHeader(archive, m_header.dataVersion, fault);
        if (!cursor.CheckRead(archive, what)) return false;
        if (!header) return cursor.Fail(what, "map " + std::to_string(i + 1) + ": " + fault);
        m_maps.Add(map.release(), ListOrder::Appended);
    }
    // Every map's level data is read now, once all headers are known.
    for (int i = 0; i < m_maps.Count(); ++i) {
        SMap& map = *m_maps[i];
        if (!map.LoadBody(*m_file, m_header.dataVersion, cursor.error)) {
            cursor.error.contents += " of map \"" + std::string(map.Name()) + "\"";
            return false;
        }
    }
    return true;
}

bool SModule::ParseMapCoords(const SMap& map, int& x, int& y) const {
    const char* name = map.Name();
    const SString& mapPrefix = m_header.mapPrefix;
    const size_t prefix = size_t(mapPrefix.Length());
    // Exactly four digits: a town's jail ("base_s0303_jail") is no section of the grid.
    if (std::strncmp(name, mapPrefix.Text(), prefix) != 0 || std::strlen(name) != prefix + 4) return false;
    const char* digits = name + prefix;
    for (int i = 0; i < 4; ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i]))) return false;
    x = (digits[0] - '0') * 10 + (digits[1] - '0');
    y = (digits[2] - '0') * 10 + (digits[3] - '0');
    return true;
}

bool SModule::SetPosition(const SMap& map, int localX, int localY, int32_t facing) {
    int x = 0, y = 0;
    if (!ParseMapCoords(map, x, y)) return false;
    m_worldX = localX + kMapCells * x - kWorldOffset;
    m_worldY = localY + kMapCells * y - kWorldOffset;
    m_facing = facing;
    return true;
}

SMap* SModule::FindMapAt(int x, int y) const {
    if (x < 0 || y < 0) return nullptr;
    SString name;
    name.Format("%s%02u%02u", m_header.mapPrefix.Text(), unsigned(x), unsigned(y));
    return FindMap(name.Text());
}

SMap* SModule::FindNeighbourMap(int dx, int dy) const {
    int x = 0, y = 0;
    if (m_currentMap == nullptr || !ParseMapCoords(*m_currentMap, x, y)) return nullptr;
    return FindMapAt(x + dx, y + dy);
}

bool SModule::IsWorldCell(int64_t position) {
    return position >= -kWorldOffset && position <= kLastMapCoord * kMapCells + (kGridCells - 1) - kWorldOffset;
}

SMap* SModule::FindPositionMap(int& x, int& y) const {
    // The inverse of SetPosition: a section's cells run from 21 (X - 1) to 21 (X - 1) + 20.
    x = floorDiv(m_worldX, kMapCells) + 1;
    y = floorDiv(m_worldY, kMapCells) + 1;
    return FindMapAt(x, y);
}

SFoundObject SModule::FindObject(const char* name) const {
    for (int i = 0; i < m_maps.Count(); ++i)
        if (SPlacedObject* object = m_maps[i]->FindObjectByName(name)) return {object, m_maps[i], nullptr};
    return {};
}

SFoundObject SModule::FindMapObject(const char* name) const {
    SFoundObject found = FindObject(name);
    if (found.object) found.creature = found.map->FindCreatureOfObject(*found.object);
    return found;
}

void SModule::ClearObjectMarks() {
    for (int i = 0; i < m_maps.Count(); ++i) m_maps[i]->ClearRestockedFlags();
}
