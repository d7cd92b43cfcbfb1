#pragma once
// SCreatureClasses: the three classes a creature belongs to for the effects that name one (resist
// or harm humanoids, creatures, undead), with their names for the effect descriptions. The list is
// the game's own, not the world's.
#include <array>

enum SCreatureClass : int {
    kCreatureClassNone,
    kHumanoids,
    kCreatures,
    kUndead,
};

class SCreatureClasses {
public:
    // Fills the names; until then every class reads as unknown.
    void Init();

    // "humanoid", "creature", "undead"; "" for class 0; null for a number that is not a class.
    const char* Name(int creatureClass) const;
    // "humanoids", "creatures", "undeads"; the same rule for the others.
    const char* PluralName(int creatureClass) const;

private:
    std::array<const char*, kUndead + 1> m_names{};
    std::array<const char*, kUndead + 1> m_pluralNames{};
};
