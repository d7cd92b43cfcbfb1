#pragma once
// SPalettePart: the end of the chunks of tables whose records are palette holders (map-object types,
// monster kinds, spell effects, item pictures), from data version 42 on: further palette names for
// records of the table, by the records' names.
#include <functional>
#include <initializer_list>

#include "engine/base/ptr_array.h"

class SArchive;
class SPaletteHolder;

struct SPalettePartEntry {
    // The record's name, then its palette-name list: an aligned u16 count and the texts.
    void Serialize(SArchive& archive, int version);

    const char* holderName = nullptr;
    SPtrArray<const char> paletteNames{4, false};
};

class SPalettePart {
public:
    static constexpr int kFromVersion = 42;

    // Writers: one more entry.
    void Add(const char* holderName, std::initializer_list<const char*> paletteNames);
    // An aligned u16 count and the entries; nothing at all before version 42. Read texts point into
    // the record, which must outlive the names given to holders.
    void Serialize(SArchive& archive, int version);
    // Appends each entry's palette names to the holder `find` answers for its name. An entry that
    // names no holder is dropped.
    void AddTo(const std::function<SPaletteHolder*(const char*)>& find) const;

private:
    SPtrArray<SPalettePartEntry> m_entries{4};
};
