#include "data/map_objects/map_object_type_table.h"

#include <string>

#include "data/map_objects/map_object_factory.h"
#include "data/package/module_load_order.h"
#include "data/tables/palette_part.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

constexpr uint8_t kTexture = 1;
constexpr uint8_t kFireAnimation = 34;
constexpr char kFireAnimationName[] = "bres_animfire";

bool isBlockClass(int typeCode) { return typeCode == 7 || typeCode == 8 || typeCode == 41; }

std::string entryName(int index, const SMapObjectType* type) {
    const char* name = type ? type->NameKey().Text() : nullptr;
    return "entry " + std::to_string(index + 1) + (name ? " (\"" + std::string(name) + "\")" : "");
}

}  // namespace

SMapObjectTypeTable::SMapObjectTypeTable() = default;

SMapObjectTypeTable::~SMapObjectTypeTable() = default;

std::unique_ptr<SMapObjectType> SMapObjectTypeTable::CreateType(int typeCode) {
    std::unique_ptr<SMapObjectType> type = MakeMapObjectType(typeCode);
    if (!type) return nullptr;
    type->m_typeCode = uint8_t(typeCode);
    type->SetTable(this);
    type->m_flags = type->Defaults().flags;
    if (isBlockClass(typeCode)) type->m_flags |= SMapObjectType::kBlockClass;
    return type;
}

std::string SMapObjectTypeTable::serializeChunk(SArchive& archive, int version, SPtrArray<SMapObjectType>& types,
                                                SPalettePart& palettes) {
    archive.SerializeTag(kChunkTag);
    archive.Align(2);
    uint16_t count = types.Count();
    archive.SerializeU16(count);
    const bool reading = !archive.IsWriting();
    for (int i = 0; i < count && !archive.Failed(); ++i) {
        // The code comes twice: before the record, to choose the class, and inside it.
        uint8_t code = reading ? 0 : types[i]->m_typeCode;
        archive.SerializeU8(code);
        if (!reading) {
            types[i]->Serialize(archive, version);
            continue;
        }
        if (archive.Failed()) break;
        std::unique_ptr<SMapObjectType> type = CreateType(code);
        if (!type)
            return entryName(i, nullptr) + " has type code " + std::to_string(code) +
                   "; map-object types have codes 1 to 43";
        type->Serialize(archive, version);
        if (archive.Failed()) break;
        if (type->m_typeCode != code)
            return entryName(i, type.get()) + " holds type code " + std::to_string(type->m_typeCode) + " after code " +
                   std::to_string(code);
        types.Append(type.release());
    }
    if (!archive.Failed()) palettes.Serialize(archive, version);
    return {};
}

bool SMapObjectTypeTable::Load(SRecordCursor& cursor) {
    // Not owning, so that the types can move into the table once the whole chunk has been read.
    SPtrArray<SMapObjectType> read{m_types.Step(), false};
    SPalettePart palettes;
    std::unique_ptr<SPdbRecord> chunk;
    const bool whole = ReadTableRecord(
        cursor, SModuleTable::MapObjectTypes,
        [&](SArchive& archive) {
            std::string fault = serializeChunk(archive, cursor.version, read, palettes);
            if (fault.empty() && uint32_t(Count()) + read.Count() > SPtrArray<SMapObjectType>::kMaxCount)
                fault = "its " + std::to_string(read.Count()) + " entries overfill the table";
            return fault;
        },
        &chunk);
    if (!whole) {
        read.DeleteAll();
        return false;
    }
    for (int i = 0; i < read.Count(); ++i) m_types.Add(read[i], ListOrder::Sorted);
    palettes.AddTo([this](const char* name) -> SPaletteHolder* { return Find(name); });
    m_chunks.push_back(std::move(chunk));
    return true;
}

void SMapObjectTypeTable::Write(SArchive& archive, int version, SPalettePart* palettes) {
    SPalettePart none;
    serializeChunk(archive, version, m_types, palettes ? *palettes : none);
}

void SMapObjectTypeTable::Add(std::unique_ptr<SMapObjectType> type) { m_types.Add(type.release(), ListOrder::Sorted); }

SMapObjectType* SMapObjectTypeTable::FindDefaultTexture() const {
    for (int i = 0; i < m_types.Count(); ++i)
        if (m_types[i]->m_typeCode == kTexture) return m_types[i];
    return nullptr;
}

void SMapObjectTypeTable::ResolvePictures(std::vector<uint8_t>& marks) {
    for (int i = 0; i < m_types.Count(); ++i) m_types[i]->ResolvePictures(m_cache, marks);
}

void SMapObjectTypeTable::MarkKeepLoaded() {
    const uint16_t fireHash = HashName(kFireAnimationName);
    for (int i = 0; i < m_types.Count(); ++i) {
        SMapObjectType& type = *m_types[i];
        type.SetKeepLoaded(type.m_typeCode == kFireAnimation || type.NameKey().Matches(kFireAnimationName, fireHash));
    }
}

bool SMapObjectTypeTable::LoadMarkedPictures() {
    bool all = true;
    for (int i = 0; i < m_types.Count(); ++i) {
        SMapObjectType& type = *m_types[i];
        if (type.KeepLoaded() && !type.IsLoaded() && !type.LoadPictures()) all = false;
    }
    return all;
}

void SMapObjectTypeTable::ReleaseUnmarkedPictures() {
    for (int i = 0; i < m_types.Count(); ++i) {
        SMapObjectType& type = *m_types[i];
        if (type.IsLoaded() && !type.KeepLoaded()) type.ReleasePictures();
    }
}

void SMapObjectTypeTable::Clear() {
    m_types.DeleteAll();
    m_chunks.clear();
}
