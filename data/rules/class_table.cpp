#include "data/rules/class_table.h"

void SClassTable::InitDefaults() {
    SetEntry(1, "fighter", "Fighter", "fighter description", {3, 6, 4, 14, 1, 2});
    SetEntry(2, "thief", "Thief", "thief description", {2, 5, 7, 17, 18, 19});
    SetEntry(3, "mage", "Mage", "mage description", {2, 8, 9, 10, 13, 16});
    SetEntry(4, "battlemage", "Battlemage", "battlemage description", {2, 5, 1, 10, 9, 11});
    SetEntry(5, "ranger", "Ranger", "ranger description", {7, 2, 20, 8, 5, 16});
    SetEntry(6, "priest", "Priest", "priest description", {2, 5, 8, 9, 16, 17});
}

void SClassTable::SetEntry(int id, const char* idText, const char* displayName, const char* descriptionKey,
                           const std::array<uint8_t, 6>& primarySkills) {
    if (Entry(id) == nullptr) return;
    SClassDef& entry = m_entries[id];
    entry.id.Set(idText);
    entry.displayName.Assign(displayName);
    entry.descriptionKey.Assign(descriptionKey);
    entry.primarySkills = primarySkills;
    entry.available = true;
}
