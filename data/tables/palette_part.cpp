#include "data/tables/palette_part.h"

#include "data/palette_holder.h"
#include "engine/base/archive.h"

void SPalettePartEntry::Serialize(SArchive& archive, int) {
    archive.SerializeCStr(holderName);
    paletteNames.SerializeCStrs(archive);
}

void SPalettePart::Add(const char* holderName, std::initializer_list<const char*> paletteNames) {
    auto entry = new SPalettePartEntry;
    entry->holderName = holderName;
    for (const char* name : paletteNames) entry->paletteNames.Append(name);
    m_entries.Add(entry, ListOrder::Appended);
}

void SPalettePart::Serialize(SArchive& archive, int version) {
    if (version >= kFromVersion) m_entries.SerializeList(archive, version, ListOrder::Appended);
}

void SPalettePart::AddTo(const std::function<SPaletteHolder*(const char*)>& find) const {
    for (int i = 0; i < m_entries.Count(); ++i) {
        const SPalettePartEntry& entry = *m_entries[i];
        SPaletteHolder* holder = entry.holderName ? find(entry.holderName) : nullptr;
        if (holder == nullptr) continue;
        for (int k = 0; k < entry.paletteNames.Count(); ++k) holder->m_paletteNames.Append(entry.paletteNames[k]);
    }
}
