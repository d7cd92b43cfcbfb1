#include "data/monsters/creature_classes.h"

void SCreatureClasses::Init() {
    m_names = {"", "humanoid", "creature", "undead"};
    m_pluralNames = {"", "humanoids", "creatures", "undeads"};
}

const char* SCreatureClasses::Name(int creatureClass) const {
    return creatureClass >= 0 && creatureClass <= kUndead ? m_names[creatureClass] : nullptr;
}

const char* SCreatureClasses::PluralName(int creatureClass) const {
    return creatureClass >= 0 && creatureClass <= kUndead ? m_pluralNames[creatureClass] : nullptr;
}
