#pragma once
// SClassTable: the six character classes and the primary skills each starts with. Only the
// built-in classes exist: no package replaces them.
#include <array>
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/string.h"

struct SClassDef {
    SClassDef() { id.SetOwned(); }
    SName id;  // "fighter"
    SString displayName;
    SString descriptionKey;  // the text that describes the class
    std::array<uint8_t, 6> primarySkills{};
    bool available = false;
};

class SClassTable {
public:
    static constexpr int kCount = 6;  // ids 1..6; entry 0 is unused

    void InitDefaults();
    // Null outside 1..6.
    const SClassDef* Entry(int id) const { return id >= 1 && id <= kCount ? &m_entries[id] : nullptr; }
    // Makes the class available; nothing outside 1..6.
    void SetEntry(int id, const char* idText, const char* displayName, const char* descriptionKey,
                  const std::array<uint8_t, 6>& primarySkills);

private:
    std::array<SClassDef, kCount + 1> m_entries;
};
