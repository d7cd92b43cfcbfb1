#pragma once
// SActiveEffect: one effect acting on the player (from a worn or used item, a spell, a disease, an
// ability or a monster's strike), with the player's effect types that sort them into lists.
#include <cstdint>
#include <string>

class SArchive;
class SPlayerSaveNames;

// Where an active effect came from; worn items, diseases and abilities are rebuilt rather than
// timed out.
enum SEffectOrigin : uint8_t {
    kFromWornItem = 1,
    kFromUsedItem,
    kFromSpell,
    kFromDisease,
    kFromAbility,
    kFromMonster,
};

// The player's effect types, one list each; many effect kinds share none and leave no entry.
enum SPlayerEffect : uint8_t {
    kNoPlayerEffect,
    kPlayerFortifySkill,
    kPlayerFortifyAttribute,
    kPlayerFortifyHp,
    kPlayerFortifyUnholy,
    kPlayerFortifyMana,
    kPlayerFortifyAc,
    kPlayerResistPoison,
    kPlayerResistParalysis,
    kPlayerResistDisease,
    kPlayerFeather,
    kPlayerResistMagic,
    kPlayerResistDiseases,
    kPlayerResistSpell,
    kPlayerFortifySpell,
    kPlayerFortifyMagic,
    kPlayerFortifyMelee,
    kPlayerMagicImmunity,
    kPlayerDetectSecrets,
    kPlayerAlcoholic,
    kPlayerFortifyOutfit,
    kPlayerParalysis,
    kPlayerCurse,
    kPlayerPoison,
};
constexpr int kPlayerEffectTypes = kPlayerPoison + 1;

// The player's effect type of an effect kind (0..58); none for every other kind.
SPlayerEffect PlayerEffectOfKind(uint32_t kind);
// "" outside 1..23.
const char* PlayerEffectName(uint32_t type);
// A stored percentage beyond +-100 counts 100 less in size: 130 counts 30, -130 counts -30.
int32_t FoldPercent(int32_t value);

struct SActiveEffect {
    // The longest duration a saved entry holds, in minutes (stored as 255).
    static constexpr uint32_t kMaxMinutes = 254;

    // Minutes left + 1, clamped to what the byte holds; 0 for an effect that lasts until removed.
    static uint8_t StoredDuration(uint32_t minutes);
    bool IsTimed() const { return origin == kFromUsedItem || origin == kFromSpell || origin == kFromMonster; }
    // The same cause: source, sub-id and name.
    bool SameCause(const void* otherSource, uint32_t otherSubId, const char* otherName) const;

    // The saved form: origin, type, the source as an index into the save's names (item types for
    // used items, spells for spells, none for monsters), name, magnitude, duration and sub-id.
    void Write(SArchive& archive, SPlayerSaveNames& names) const;
    // False, the record read past, for an entry the game cannot keep: a type outside the lists,
    // an origin that is not saved, or a source the data no longer has.
    bool Read(SArchive& archive, SPlayerSaveNames& names);

    // A disease (Resist disease) or a spell (Fortify and Resist spell) the effect is bound to; empty
    // for none.
    std::string name;
    const void* source = nullptr;  // item type, spell, disease or ability; null for a monster
    int16_t magnitude = 0;
    uint8_t duration = 0;  // minutes left + 1; 0 lasts until removed
    uint8_t type = kNoPlayerEffect;
    uint8_t origin = 0;
    uint8_t subId = 0;  // the skill or attribute of a Fortify skill or attribute

private:
    void serialize(SArchive& archive, uint16_t& sourceId);
};
