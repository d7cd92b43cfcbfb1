#pragma once
// SNpcTable: the persons of the world data, found by name. Their topic sets refer to the world's
// dialogue table, which a package reads before its persons.
#include <memory>

#include "data/persons/npc_type.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

class SDialogTable;
struct SRecordCursor;

class SNpcTable {
public:
    // The world's topics that persons' shared entries stand for; without it they stay names.
    void Attach(const SDialogTable* dialogue) { m_dialogue = dialogue; }

    // The chunk record (tag '+' and an aligned u16 count), then one record per person. The persons
    // join those of the packages opened before, all or none: a missing or damaged record adds
    // nothing and fails with the cursor's error naming the table.
    bool Load(SRecordCursor& cursor);
    // The records Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in, sorted by name hash.
    void Add(std::unique_ptr<SNpcType> person) { m_persons.Add(person.release(), ListOrder::Sorted); }

    // By name: the hash first, then the exact text.
    SNpcType* Find(const char* name) const { return m_persons.FindByName(name); }
    int Count() const { return m_persons.Count(); }
    // In name-hash order; null outside 0 .. count-1.
    SNpcType* At(int index) const { return m_persons.At(index); }

    void Clear() { m_persons.DeleteAll(); }

private:
    const SDialogTable* m_dialogue = nullptr;
    SPtrArray<SNpcType> m_persons{10};
};
