#pragma once
// SWatchedTable: a table of view records that remembers each record handed out for writing, with
// what it held then. Whether the table changed since it was last asked is answered from those
// records alone: a tick that writes nothing costs nothing, and one that writes a record back as it
// was does not count as a change. Reading goes through the const accessors and is never noted.
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

template <typename Record>
class SWatchedTable {
    // Compared as bytes: a record with padding could differ where no field lies.
    static_assert(std::has_unique_object_representations_v<Record>);

public:
    explicit SWatchedTable(size_t size) : m_records(size), m_watched(size, 0) {}

    size_t size() const { return m_records.size(); }
    const Record* data() const { return m_records.data(); }
    const Record& operator[](size_t index) const { return m_records[index]; }

    // The record to write; what it holds now is kept to compare with when the change is taken.
    Record& Write(size_t index) {
        if (!m_watched[index]) {
            m_watched[index] = 1;
            m_before.push_back({index, m_records[index]});
        }
        return m_records[index];
    }
    // The whole table to write: it counts as changed.
    std::vector<Record>& WriteAll() {
        m_allWritten = true;
        return m_records;
    }

    // Whether a record differs from what it held when it was last handed out for writing since the
    // last call (the first time, yes).
    bool TakeChange() {
        bool changed = std::exchange(m_allWritten, false);
        for (const auto& [index, before] : m_before) {
            m_watched[index] = 0;
            changed = changed || std::memcmp(&before, &m_records[index], sizeof(Record)) != 0;
        }
        m_before.clear();
        return changed;
    }

private:
    std::vector<Record> m_records;
    std::vector<uint8_t> m_watched;  // 1 for a record in m_before
    std::vector<std::pair<size_t, Record>> m_before;
    bool m_allWritten = true;
};
