#pragma once
// SSpellSchools: the seven schools spells belong to, each with its name and the skill that makes
// its spells cheaper. The list is the game's own, not the world's.
#include <array>
#include <cstdint>

enum SSpellSchool : uint8_t {
    kSchoolNone,
    kSchoolHeal,  // closed to the undead race
    kSchoolProtection,
    kSchoolAttack,
    kSchoolMind,
    kSchoolUndead,  // open to the undead race only
    kSchoolEnvironment,
    kSchoolMagicItems,
};
constexpr int kSpellSchoolCount = kSchoolMagicItems + 1;

class SSpellSchools {
public:
    // Fills the names and skills; until then every school reads as unknown.
    void Init();

    // "?" for a number that is not a school 1..7.
    const char* Name(int school) const;
    // The governing skill's id; 0 (none) for school 0, Magic items and numbers outside the list.
    uint32_t Skill(int school) const;

private:
    std::array<const char*, kSpellSchoolCount> m_names{};
    std::array<uint32_t, kSpellSchoolCount> m_skills{};
};
