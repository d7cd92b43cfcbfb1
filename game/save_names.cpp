// The saved game's name tables and their record.
#include "game/save_names.h"

#include <cstring>

#include "game/game_data.h"

namespace {

constexpr uint8_t kNameTablesTag = 'U';

bool endsWith(const std::string& text, const char* suffix) {
    const size_t length = std::strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

// Older worlds had an enchanting item type and spell for armour and another for weapons; they
// became one of each.
std::string currentItemTypeName(const char* stored) {
    std::string name = stored;
    if (endsWith(name, "enchantarmor"))
        name.resize(name.size() - 5);
    else if (endsWith(name, "enchantweapon"))
        name.resize(name.size() - 6);
    return name;
}

std::string currentSpellName(const char* stored) {
    if (std::strcmp(stored, "base_spellenchantweapon") == 0 || std::strcmp(stored, "base_spellenchantarmor") == 0)
        return "base_spellenchant";
    return stored;
}

std::string storedName(const char* stored) { return stored; }

}  // namespace

std::string SaveFileName(uint32_t slot) { return "BrimvaleSave" + std::to_string(slot); }

void SSaveNames::Reset() {
    m_indexOutOfRange = false;
    m_itemTypes.Reset();
    m_monsters.Reset();
    m_spells.Reset();
}

void SSaveNames::Clear() {
    m_indexOutOfRange = false;
    m_itemTypes.Clear();
    m_monsters.Clear();
    m_spells.Clear();
}

uint16_t SSaveNames::InternItemType(const SItemType& type) {
    return m_itemTypes.Intern(type.m_name.Text(), const_cast<SItemType*>(&type));
}

uint16_t SSaveNames::InternItemType(const char* name) {
    SItemType* type = m_game ? m_game->m_items.FindItemType(name) : nullptr;
    return m_itemTypes.Intern(name, type);
}

uint16_t SSaveNames::InternMonster(const SMonster& monster) {
    return m_monsters.Intern(monster.m_name.Text(), const_cast<SMonster*>(&monster));
}

uint16_t SSaveNames::InternSpell(const SSpellType& spell) {
    return m_spells.Intern(spell.m_name.Text(), const_cast<SSpellType*>(&spell));
}

template <typename T>
T* SSaveNames::get(const SSaveNameTable<T>& table, uint16_t index) const {
    if (index != 0 && index >= table.Count()) m_indexOutOfRange = true;
    return table.Get(index);
}

SItemType* SSaveNames::GetItemType(uint16_t index) const { return get(m_itemTypes, index); }
SMonster* SSaveNames::GetMonster(uint16_t index) const { return get(m_monsters, index); }
SSpellType* SSaveNames::GetSpell(uint16_t index) const { return get(m_spells, index); }

void SSaveNames::WriteNameTables(SArchive& archive) const {
    archive.SerializeTag(kNameTablesTag);
    m_itemTypes.Write(archive);
    m_monsters.Write(archive);
    m_spells.Write(archive);
}

void SSaveNames::ReadNameTables(SArchive& archive) {
    m_indexOutOfRange = false;
    archive.SerializeTag(kNameTablesTag);
    SGameData* game = m_game;
    m_itemTypes.Read(archive, currentItemTypeName,
                     [game](const char* name) { return game ? game->m_items.FindItemType(name) : nullptr; });
    m_monsters.Read(archive, storedName,
                    [game](const char* name) { return game ? game->m_monsters.FindMonster(name) : nullptr; });
    m_spells.Read(archive, currentSpellName,
                  [game](const char* name) { return game ? game->m_spells.FindSpell(name) : nullptr; });
}
