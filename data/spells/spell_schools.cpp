#include "data/spells/spell_schools.h"

namespace {

struct SSchoolRow {
    const char* name;
    uint32_t skill;
};

const SSchoolRow kSchools[kSpellSchoolCount] = {
    {"", 0},
    {"Heal spells", 8},
    {"Protection spells", 9},
    {"Attack spells", 10},
    {"Mind spells", 11},
    {"Undead spells", 12},
    {"Environment spells", 13},
    {"Magic items", 0},
};

}  // namespace

void SSpellSchools::Init() {
    for (int school = 0; school < kSpellSchoolCount; ++school) {
        m_names[school] = kSchools[school].name;
        m_skills[school] = kSchools[school].skill;
    }
}

const char* SSpellSchools::Name(int school) const {
    if (school <= kSchoolNone || school >= kSpellSchoolCount || m_names[school] == nullptr) return "?";
    return m_names[school];
}

uint32_t SSpellSchools::Skill(int school) const {
    return school >= 0 && school < kSpellSchoolCount ? m_skills[school] : 0;
}
