#pragma once
// SRecordTable: a type table of named records whose package chunk is one record: the chunk's tag,
// an aligned u16 count and the records, each in its own form. Every package opened adds its
// records; they are kept sorted by name hash and found by name.
//
// A record type T gives its chunk tag (kChunkTag), its table (kTable), a default constructor,
// NameKey(), Serialize(archive, data version), and optionally Fault(): what makes a record read
// from outside bytes unusable, or an empty text.
#include <cstdint>
#include <memory>
#include <string>

#include "data/package/module_load_order.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_cursor.h"

template <typename T>
class SRecordTable {
public:
    SRecordTable() = default;
    SRecordTable(const SRecordTable&) = delete;
    SRecordTable& operator=(const SRecordTable&) = delete;

    // By name: the hash first, then the exact text.
    T* Find(const char* name) const { return m_records.FindByName(name); }
    int Count() const { return m_records.Count(); }
    // In name-hash order; null outside 0 .. count-1.
    T* At(int index) const { return m_records.At(index); }
    void Add(std::unique_ptr<T> record) { m_records.Add(record.release(), ListOrder::Sorted); }
    void Clear() { m_records.DeleteAll(); }

    // Writes the table's chunk.
    void Write(SArchive& archive, int version) { serializeChunk(archive, version, m_records); }

    // Adds the records of the chunk at the cursor. A damaged chunk adds none of them and fails with
    // the cursor's error naming the table; an empty chunk adds nothing.
    bool Load(SRecordCursor& cursor) {
        // File order, so that a message can count the entries as the file does; not owning, so
        // that the records can move into the table once all of them have been read.
        SPtrArray<T> read{m_records.Step(), false};
        const bool whole = ReadTableRecord(cursor, T::kTable, [&](SArchive& archive) {
            serializeChunk(archive, cursor.version, read);
            if (archive.Failed()) return std::string();
            if (uint32_t(Count()) + read.Count() > SPtrArray<T>::kMaxCount)
                return "its " + std::to_string(read.Count()) + " entries overfill the table";
            return fault(read);
        });
        if (!whole) {
            read.DeleteAll();
            return false;
        }
        for (int i = 0; i < read.Count(); ++i) m_records.Add(read[i], ListOrder::Sorted);
        return true;
    }

private:
    static void serializeChunk(SArchive& archive, int version, SPtrArray<T>& records) {
        archive.SerializeTag(T::kChunkTag);
        records.SerializeList(archive, version, ListOrder::Appended);
    }

    static std::string fault(const SPtrArray<T>& records) {
        if constexpr (requires(const T& record) { record.Fault(); }) {
            for (int i = 0; i < records.Count(); ++i) {
                const std::string fault = records[i]->Fault();
                const char* name = records[i]->NameKey().Text();
                if (!fault.empty())
                    return "entry " + std::to_string(i + 1) + " (\"" + (name ? name : "") + "\"): " + fault;
            }
        }
        return {};
    }

    SPtrArray<T> m_records{10};
};
