#pragma once
// SReplaceableTable: a rule table with built-in entries that a world package may replace as a
// whole. Its package record is the table's tag, an aligned u16 flag and, when the flag is not 0,
// every entry in id order; a flag of 0 leaves the table as it is.
//
// An entry type Def gives a default constructor, Assign (a copy of every text),
// Serialize(archive, data version), and optionally Fault(): what makes an entry read from outside
// bytes unusable, or an empty text.
#include <cstdint>
#include <string>
#include <vector>

#include "data/package/module_load_order.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

template <typename Def, uint8_t Tag, SModuleTable Table, int FirstId, int Count>
class SReplaceableTable {
public:
    static constexpr int kFirstId = FirstId;
    static constexpr int kLastId = FirstId + Count - 1;

    SReplaceableTable() : m_entries(kLastId + 1) {}
    SReplaceableTable(const SReplaceableTable&) = delete;
    SReplaceableTable& operator=(const SReplaceableTable&) = delete;

    // Null outside the ids.
    const Def* Entry(int id) const { return id >= kFirstId && id <= kLastId ? &m_entries[id] : nullptr; }
    Def* Entry(int id) { return id >= kFirstId && id <= kLastId ? &m_entries[id] : nullptr; }

    // The record at the cursor. A damaged record changes nothing and fails with the cursor's error
    // naming the table.
    bool Load(SRecordCursor& cursor) {
        // Entries are read over the current ones, so that fields older data versions lack keep
        // their values.
        std::vector<Def> read(m_entries.size());
        for (size_t id = 0; id < read.size(); ++id) read[id].Assign(m_entries[id]);
        const bool whole = ReadTableRecord(cursor, Table, [&](SArchive& archive) {
            serializeRecord(archive, cursor.version, read);
            return fault(read);
        });
        if (whole) m_entries.swap(read);
        return whole;
    }

    // Writes the record with the flag 1 and every entry.
    void Write(SArchive& archive, int version) { serializeRecord(archive, version, m_entries); }

protected:
    // Indexed by id; entries below the first id are unused.
    std::vector<Def> m_entries;

private:
    static void serializeRecord(SArchive& archive, int version, std::vector<Def>& entries) {
        archive.SerializeTag(Tag);
        uint16_t flag = 1;
        archive.SerializeU16(flag);
        if (flag == 0) return;
        for (int id = kFirstId; id <= kLastId; ++id) entries[id].Serialize(archive, version);
    }

    static std::string fault(const std::vector<Def>& entries) {
        if constexpr (requires(const Def& entry) { entry.Fault(); }) {
            for (int id = kFirstId; id <= kLastId; ++id) {
                const std::string fault = entries[id].Fault();
                if (!fault.empty()) return "entry " + std::to_string(id) + ": " + fault;
            }
        }
        return {};
    }
};
