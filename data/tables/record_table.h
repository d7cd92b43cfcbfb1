#pragma once
// SRecordTable: a type table of named records whose package chunk is one record: the chunk's tag,
// an aligned u16 count and the records, each in its own form. Every package opened adds its
// records; they are kept sorted by name hash and found by name.
//
// A record type T gives its chunk tag (kChunkTag), its table (kTable), a default constructor,
// NameKey(), Serialize(archive, data version), and optionally Fault(): what makes a record read
// from outside bytes unusable, or an empty text.
//
// Records that are palette holders keep their palette names in the chunk's bytes, which the table
// keeps for as long as it holds them; their chunk ends, from data version 42, in a palette part:
// an aligned u16 count, then per entry a record's name and further palette names for it.
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "data/package/module_load_order.h"
#include "data/palette_holder.h"
#include "data/tables/palette_part.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/base/ptr_array.h"
#include "engine/files/pdb.h"
#include "engine/packages/record_cursor.h"

// The first record's fault with its place and name ("entry 2 (\"base_x\"): ..."), or empty.
template <typename T>
std::string RecordsFault(const SPtrArray<T>& records) {
    for (int i = 0; i < records.Count(); ++i) {
        const std::string fault = records[i]->Fault();
        const char* name = records[i]->NameKey().Text();
        if (!fault.empty()) return "entry " + std::to_string(i + 1) + " (\"" + (name ? name : "") + "\"): " + fault;
    }
    return {};
}

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
    void Clear() {
        m_records.DeleteAll();
        m_chunks.clear();
    }

    // Writes the table's chunk.
    void Write(SArchive& archive, int version) { serializeChunk(archive, version, m_records, nullptr); }

    // A chunk read whole and not yet added, for loaders of several chunks that add all or none.
    class SReadChunk {
    public:
        SReadChunk() = default;
        SReadChunk(const SReadChunk&) = delete;
        SReadChunk& operator=(const SReadChunk&) = delete;
        ~SReadChunk() { m_records.DeleteAll(); }

        // By name, for records of a later chunk that refer to this one's before it is added.
        T* Find(const char* name) const { return m_records.FindByName(name); }

    private:
        friend class SRecordTable;
        // File order, so that a message can count the entries as the file does; not owning, so
        // that the records can move into the table once all of them have been read.
        SPtrArray<T> m_records{10, false};
        SPalettePart m_palettes;
        std::unique_ptr<SPdbRecord> m_chunk;
    };

    // Reads the chunk at the cursor into `read`. A damaged chunk fails with the cursor's error
    // naming the table; the table is not changed either way.
    bool Read(SRecordCursor& cursor, SReadChunk& read) const {
        return ReadTableRecord(
            cursor, T::kTable,
            [&](SArchive& archive) {
                serializeChunk(archive, cursor.version, read.m_records, &read.m_palettes);
                if (archive.Failed()) return std::string();
                if (uint32_t(Count()) + read.m_records.Count() > SPtrArray<T>::kMaxCount)
                    return "its " + std::to_string(read.m_records.Count()) + " entries overfill the table";
                return fault(read.m_records);
            },
            kHoldsPalettes ? &read.m_chunk : nullptr);
    }

    // Adds what Read read; `read` holds no records afterwards. The palette part's names go to their
    // records only now, so that a damaged chunk changes no record of the table.
    void Add(SReadChunk& read) {
        // A name that both an earlier package and this chunk define belongs to the earlier record.
        read.m_palettes.AddTo([&](const char* name) -> SPaletteHolder* {
            if constexpr (kHoldsPalettes) {
                T* holder = m_records.FindByName(name);
                return holder ? holder : read.m_records.FindByName(name);
            }
            return nullptr;
        });
        for (int i = 0; i < read.m_records.Count(); ++i) m_records.Add(read.m_records[i], ListOrder::Sorted);
        read.m_records.Destroy();
        if (read.m_chunk) m_chunks.push_back(std::move(read.m_chunk));
    }

    // Adds the records of the chunk at the cursor. A damaged chunk adds none of them and fails with
    // the cursor's error naming the table; an empty chunk adds nothing.
    bool Load(SRecordCursor& cursor) {
        SReadChunk read;
        if (!Read(cursor, read)) return false;
        Add(read);
        return true;
    }

private:
    static constexpr bool kHoldsPalettes = std::is_base_of_v<SPaletteHolder, T>;

    // `palettes` is null when writing: records carry their palette names themselves, so the palette
    // part is written empty.
    void serializeChunk(SArchive& archive, int version, SPtrArray<T>& records, SPalettePart* palettes) const {
        archive.SerializeTag(T::kChunkTag);
        records.SerializeList(archive, version, ListOrder::Appended);
        if constexpr (kHoldsPalettes) {
            SPalettePart none;
            (palettes ? *palettes : none).Serialize(archive, version);
        }
    }

    static std::string fault(const SPtrArray<T>& records) {
        if constexpr (requires(const T& record) { record.Fault(); }) return RecordsFault(records);
        return {};
    }

    // Declared first so that the records, which may point into them, go first.
    std::vector<std::unique_ptr<SPdbRecord>> m_chunks;
    SPtrArray<T> m_records{10};
};
