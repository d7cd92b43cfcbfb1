#pragma once
// SSaveNameTable: one of a saved game's name tables: the names of the things of one kind (item
// types, monsters or spells) that the other records of the save refer to by a 16-bit index, each
// with the thing of the running game it stands for.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/base/archive.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"

template <typename T>
class SSaveNameTable {
public:
    // Finds the thing a name read from a save stands for now; null when the data lacks it.
    using Resolve = std::function<T*(const char* name)>;

    // Empty, with the empty name at index 0: what a save starts from.
    void Reset() {
        Clear();
        append("", nullptr);
    }
    // Empty and numbering from 0, as between saves.
    void Clear() {
        m_entries.DeleteAll();
        m_next = 0;
    }
    uint16_t Next() const { return m_next; }
    int Count() const { return m_entries.Count(); }
    const char* NameAt(int index) const { return index < m_entries.Count() ? m_entries[index]->name.Text() : ""; }

    // The index of the name, which is added for the thing when new. A full table answers 0.
    uint16_t Intern(const char* name, T* thing) {
        if (const Entry* found = m_entries.FindByName(name ? name : "")) return found->index;
        return append(name ? name : "", thing);
    }
    // Null for an index the table does not hold and for a name that found nothing.
    T* Get(uint16_t index) const {
        const Entry* entry = m_entries.At(index);
        return entry ? entry->thing : nullptr;
    }

    // An aligned u16 count (the next index), then every name in table order.
    void Write(SArchive& archive) const {
        uint16_t count = m_next;
        archive.SerializeU16(count);
        for (int i = 0; i < m_entries.Count(); ++i) {
            const char* name = m_entries[i]->name.Text();
            archive.SerializeCStr(name);
        }
    }
    // What Write wrote, in place of the table: each name as `rename` gives it, resolved. Reading
    // grows the table with what the record holds, never by the count alone.
    void Read(SArchive& archive, const std::function<std::string(const char*)>& rename, const Resolve& resolve) {
        Clear();
        uint16_t count = 0;
        archive.SerializeU16(count);
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            const char* stored = nullptr;
            archive.SerializeCStr(stored);
            if (archive.Failed()) break;
            const std::string name = rename(stored ? stored : "");
            append(name.c_str(), name.empty() ? nullptr : resolve(name.c_str()));
        }
        m_next = count;
    }

private:
    struct Entry {
        const SName& NameKey() const { return name; }
        SName name;
        T* thing = nullptr;
        uint16_t index = 0;
    };

    uint16_t append(const char* name, T* thing) {
        if (m_entries.Count() >= int(SPtrArray<Entry>::kMaxCount)) return 0;
        auto* entry = new Entry;
        entry->name.SetOwned();
        entry->name.Set(name);
        entry->thing = thing;
        entry->index = m_next;
        m_entries.Add(entry, ListOrder::Appended);
        return m_next++;
    }

    SPtrArray<Entry> m_entries{4};
    uint16_t m_next = 0;
};
