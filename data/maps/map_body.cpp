// SMap's level data: the header in the package's maps record, and the map's own records that the
// package opens with it.
#include <string>

#include "data/map_objects/map_object_type_table.h"
#include "data/maps/cell_record.h"
#include "data/maps/level_item_names.h"
#include "data/maps/level_records.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_header.h"
#include "data/package/module.h"
#include "data/package/module_context.h"
#include "engine/base/archive.h"
#include "engine/files/pdb.h"
#include "engine/packages/record_cursor.h"

namespace {

// Entry `index` of a package's name index, or false with what is wrong when there is none.
template <typename T>
bool pickIndexed(const std::vector<T*>& table, uint16_t index, const char* what, T*& picked, std::string& fault) {
    if (index < table.size()) {
        picked = table[index];
        return true;
    }
    fault = std::string(what) + " name " + std::to_string(index) + " of " + std::to_string(table.size() - 1);
    return false;
}

bool fitsIn(int start, int length, int size) { return start + length <= size; }

bool cutShort(const SArchive& archive, SReadError& fault) {
    fault.what = "cut short";
    fault.offset = archive.FailedAt();
    return false;
}

}  // namespace

bool SMap::LoadHeader(SArchive& archive, int version, std::string& fault) {
    SMapHeader header;
    header.Serialize(archive, version);
    if (archive.Failed()) return true;  // the caller reports where the record ends
    m_title.Assign(header.title.Text());
    m_name.Set(header.name);
    m_flags = header.flags;
    m_dataFogColour = header.fogColour;
    m_dataViewDistance = header.viewDistance;
    ResetFog();
    m_width = m_height = IsSurface() ? kSectionCells : kGridCells;
    m_explored.Resize(m_width, m_height);
    if (!fitsIn(header.storedLeft, header.storedWidth, m_width) ||
        !fitsIn(header.storedTop, header.storedHeight, m_height)) {
        fault = "the stored cells (" + std::to_string(header.storedLeft) + ", " + std::to_string(header.storedTop) +
                ") + " + std::to_string(header.storedWidth) + " x " + std::to_string(header.storedHeight) +
                " pass the map's " + std::to_string(m_width) + " x " + std::to_string(m_height);
        return false;
    }
    m_storedLeft = header.storedLeft;
    m_storedTop = header.storedTop;
    m_storedWidth = header.storedWidth;
    m_storedHeight = header.storedHeight;

    static const std::vector<SMapObjectType*> kNoTypes{nullptr};
    static const std::vector<SPaletteEntry*> kNoPalettes{nullptr};
    const std::vector<SMapObjectType*>& types = m_module ? m_module->MapObjectTypeIndex() : kNoTypes;
    const std::vector<SPaletteEntry*>& palettes = m_module ? m_module->PaletteIndex() : kNoPalettes;
    if (!pickIndexed(types, header.floorType, "the floor is map-object type", m_floorType, fault) ||
        !pickIndexed(palettes, header.floorPalette, "the floor palette is palette", m_floorPalette, fault) ||
        !pickIndexed(types, header.ceilingType, "the ceiling is map-object type", m_ceilingType, fault) ||
        !pickIndexed(palettes, header.ceilingPalette, "the ceiling palette is palette", m_ceilingPalette, fault))
        return false;
    // Maps that name no floor or ceiling have the first texture; the surface has the sky above it.
    const SMapObjectTypeTable* table = m_module ? m_module->Context().mapObjectTypes : nullptr;
    SMapObjectType* texture = table ? table->FindDefaultTexture() : nullptr;
    if (m_floorType == nullptr) m_floorType = texture;
    if (m_ceilingType == nullptr && !IsSurface()) m_ceilingType = texture;
    return true;
}

bool SMap::LoadBody(SPdb& file, int version, SReadError& error) {
    m_version = version;
    // Each part's fault names what is wrong and where; the record and its file are added here.
    SReadError fault;
    const auto fail = [&](uint16_t offset, const char* contents) {
        error = file.RecordFault(uint16_t(m_cellsRecord + offset), contents, fault.what, fault.offset);
        return false;
    };

    // The objects come first: a creature whose owner object is closed stays away.
    if (auto record = file.LoadRecord(uint16_t(m_cellsRecord + kObjectsRecordOffset))) {
        SArchive archive;
        archive.OpenRead(record->Data(), record->Size());
        uint8_t idCounter = 0;
        SerializeObjectsRecord(archive, version, idCounter, m_objects);
        if (archive.Failed()) {
            cutShort(archive, fault);
            return fail(kObjectsRecordOffset, "the placed objects");
        }
    }
    m_creatureRecord = file.LoadRecord(uint16_t(m_cellsRecord + kCreaturesRecordOffset));
    if (m_creatureRecord && !readCreatures(*m_creatureRecord, fault))
        return fail(kCreaturesRecordOffset, "the creatures");
    m_containerRecord = file.LoadRecord(uint16_t(m_cellsRecord + kContainersRecordOffset));
    if (m_containerRecord && !readContainers(*m_containerRecord, false, fault))
        return fail(kContainersRecordOffset, "the item containers");
    m_cells = file.LoadRecord(m_cellsRecord);
    if (m_cells && !checkCells(fault)) return fail(0, "the cells");
    if (!IsSurface()) return true;
    auto index = file.LoadRecord(uint16_t(m_cellsRecord + kCellIndexRecordOffset));
    if (index && !readCellIndex(*index, fault)) return fail(kCellIndexRecordOffset, "the cell index");
    return true;
}

bool SMap::readCreatures(const SPdbRecord& record, SReadError& fault) {
    SArchive archive;
    archive.OpenRead(record.Data(), record.Size());
    SCreaturesRecord read;
    read.Serialize(archive, m_version);
    if (archive.Failed()) return cutShort(archive, fault);
    static const std::vector<SMonster*> kNoMonsters{nullptr};
    const std::vector<SMonster*>& names = m_module ? m_module->MonsterIndex() : kNoMonsters;
    m_creatures.DeleteAll();
    m_creatureIdCounter = read.idCounter;
    for (size_t i = 0; i < read.creatures.size(); ++i) {
        SLevelCreature& level = read.creatures[i];
        SCreature& creature = level.creature;
        if (!pickIndexed(names, level.monsterName, "is monster", creature.monster, fault.what)) {
            fault.what = "creature " + std::to_string(i + 1) + " " + fault.what;
            return false;
        }
        // A monster the open packages lack leaves no creature behind, nor does a closed owner.
        if (creature.monster == nullptr || ownerClosed(creature)) continue;
        creature.Heal();
        m_creatures.Add(new SCreature(creature), ListOrder::Appended);
    }
    return true;
}

bool SMap::readContainers(const SPdbRecord& record, bool restock, SReadError& fault) {
    SArchive archive;
    archive.OpenRead(record.Data(), record.Size());
    uint16_t count = 0;
    archive.SerializeU16(count);
    archive.SerializeU8(m_containerIdCounter);
    static const std::vector<SItemType*> kNoItems{nullptr};
    SLevelItemNames names(m_module ? m_module->ItemTypeIndex() : kNoItems);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        auto container = std::make_unique<SItemList>();
        container->Serialize(archive, m_version, names);
        if (archive.Failed()) break;
        if (restock && (container->m_flags & kKeptOnRestock) && FindContainer(container->m_id)) continue;
        m_containers.Add(container.release(), ListOrder::Appended);
    }
    return archive.Failed() ? cutShort(archive, fault) : true;
}

bool SMap::checkCells(SReadError& fault) const {
    SArchive archive;
    archive.OpenRead(m_cells->Data(), m_cells->Size());
    const SCellIndexes indexes = cellIndexes();
    SMapCell cell;
    SMapCellShadow shadow;
    bool resolved = true;
    readStoredCells(archive, [&](int, int, const SCellRecord& record) {
        if (resolved) resolved = indexes.Resolve(record, cell, shadow, fault.what);
    });
    if (archive.Failed()) return cutShort(archive, fault);
    return resolved;
}

bool SMap::readCellIndex(const SPdbRecord& record, SReadError& fault) {
    SArchive archive;
    archive.OpenRead(record.Data(), record.Size());
    SCellIndexRecord index;
    index.Serialize(archive, uint32_t(m_storedWidth * m_storedHeight));
    if (archive.Failed()) return cutShort(archive, fault);
    // Every offset must start a cell of the cells record, so that reading through the index never
    // leaves the record or trusts a stray byte.
    const SCellIndexes indexes = cellIndexes();
    SMapCell cell;
    SMapCellShadow shadow;
    for (size_t i = 0; i < index.offsets.size(); ++i) {
        std::string why;
        if (m_cells && readCell(index.offsets[i], indexes, cell, shadow, why)) continue;
        fault.what = "stored cell " + std::to_string(i + 1) + " is at byte " + std::to_string(index.offsets[i]) +
                     " of the cells, " + (why.empty() ? std::string("where no cell is") : "where " + why);
        return false;
    }
    m_cellOffsets = std::move(index.offsets);
    return true;
}
