// SModule's part of a saved game: its record holds the recorded world position and the list of
// its maps, each map's state a record of its own after it.
#include <vector>

#include "data/package/module.h"
#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"
#include "engine/packages/record_cursor.h"

namespace {

constexpr uint8_t kModuleSaveTag = 'V';
// Saves before these versions lack the world position, and the facing.
constexpr int kPositionFrom = 91;
constexpr int kFacingFrom = 100;
// Where the position lies in the record: behind the tag, aligned.
constexpr uint32_t kPositionAt = 4;

struct SMapSaveEntry {
    const char* name = nullptr;  // points into the save record when read
    uint16_t recordId = 0;
};

struct SModuleSaveRecord {
    int32_t worldX = 0;
    int32_t worldY = 0;
    int32_t facing = 0;
    std::vector<SMapSaveEntry> maps;

    void Serialize(SArchive& archive, int saveVersion) {
        archive.SerializeTag(kModuleSaveTag);
        if (saveVersion >= kPositionFrom) {
            archive.SerializeI32(worldX);
            archive.SerializeI32(worldY);
        }
        if (saveVersion >= kFacingFrom) archive.SerializeI32(facing);
        uint16_t count = uint16_t(maps.size());
        archive.SerializeU16(count);
        if (!archive.IsWriting()) maps.clear();
        // Reading grows the list with what the record holds, never by the count alone.
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            if (!archive.IsWriting()) maps.emplace_back();
            archive.SerializeCStr(maps[i].name);
            archive.SerializeU16(maps[i].recordId);
        }
    }
};

std::string saveWhat(const char* identifier) {
    return "the position and maps of package \"" + std::string(identifier) + "\"";
}

// The package's record of the save, read and checked; false with the fault.
bool readSaveRecord(SPdb& save, SArchive& archive, int saveVersion, uint16_t recordId, const char* identifier,
                    std::unique_ptr<SPdbRecord>& record, SModuleSaveRecord& saved, SReadError& fault) {
    const std::string what = saveWhat(identifier);
    record = save.LoadRecord(recordId);
    if (!record) {
        fault = save.RecordFault(recordId, what, "missing");
        return false;
    }
    archive.OpenRead(record->Data(), record->Size());
    saved.Serialize(archive, saveVersion);
    if (archive.Failed()) {
        fault = CutShort(save, recordId, what, archive);
        return false;
    }
    if (!SModule::IsWorldCell(saved.worldX) || !SModule::IsWorldCell(saved.worldY)) {
        fault = save.RecordFault(recordId, what,
                                 "the world position " + std::to_string(saved.worldX) + ", " +
                                     std::to_string(saved.worldY) + " lies off the map grid",
                                 kPositionAt);
        return false;
    }
    return true;
}

}  // namespace

void SModule::SaveSaveState(SPdbWriter& writer, SArchive& archive, int saveVersion, uint16_t recordId,
                            SMapSaveNames& names) {
    SModuleSaveRecord saved{m_worldX, m_worldY, m_facing, {}};
    for (int i = 0; i < m_maps.Count(); ++i) saved.maps.push_back({m_maps[i]->Name(), uint16_t(recordId + 1 + i)});
    archive.OpenWrite();
    saved.Serialize(archive, saveVersion);
    writer.AddRecordFromArchive(recordId, archive);
    for (int i = 0; i < m_maps.Count(); ++i) {
        archive.Rewind();
        m_maps[i]->WriteState(archive, saveVersion, names);
        writer.AddRecordFromArchive(saved.maps[i].recordId, archive);
    }
}

bool SModule::CheckSaveState(SPdb& save, int saveVersion, uint16_t recordId, const char* identifier,
                             SReadError& fault) {
    SArchive archive;
    std::unique_ptr<SPdbRecord> record;
    SModuleSaveRecord saved;
    if (!readSaveRecord(save, archive, saveVersion, recordId, identifier, record, saved, fault)) return false;
    for (const SMapSaveEntry& entry : saved.maps) {
        if (save.LoadRecord(entry.recordId)) continue;
        fault = save.RecordFault(entry.recordId,
                                 "the state of map \"" + std::string(entry.name ? entry.name : "") + "\"", "missing");
        return false;
    }
    return true;
}

bool SModule::LoadSaveState(SPdb& save, SArchive& archive, int saveVersion, uint16_t recordId, SMapSaveNames& names) {
    // A save too old to hold the position leaves the one recorded so far.
    SModuleSaveRecord saved{m_worldX, m_worldY, m_facing, {}};
    std::unique_ptr<SPdbRecord> record;
    SReadError recordFault;
    if (!readSaveRecord(save, archive, saveVersion, recordId, m_header.identifier.Text(), record, saved, recordFault))
        return fail(recordFault);
    m_worldX = saved.worldX;
    m_worldY = saved.worldY;
    m_facing = saved.facing;

    for (const SMapSaveEntry& entry : saved.maps) {
        // A map the package no longer has is passed over, so that the save stays readable.
        SMap* map = FindMap(entry.name);
        if (map == nullptr) continue;
        const std::string mapWhat = "the state of map \"" + std::string(map->Name()) + "\"";
        auto state = save.LoadRecord(entry.recordId);
        if (!state) return fail(save.RecordFault(entry.recordId, mapWhat, "missing"));
        archive.OpenRead(state->Data(), state->Size());
        std::string fault;
        const bool read = map->ReadState(archive, saveVersion, names, fault);
        if (archive.Failed()) return fail(CutShort(save, entry.recordId, mapWhat, archive));
        if (!read) return fail(save.RecordFault(entry.recordId, mapWhat, fault));
    }
    return true;
}
