#pragma once
// The diseases and timed effects of a map's creatures: one list per creature that has any, found
// by the creature's id. Monster rules ask them for totals; the play screen passes time on them and
// shows them.
#include <cstdint>

#include "data/effects/disease.h"
#include "data/effects/effect_type.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;
class SAttributeTable;
class SSkillTable;

struct SCreatureEffect {
    static constexpr uint8_t kDisease = 1;
    static constexpr uint8_t kTimed = 2;

    SString name;  // the disease's name, or a timed effect's source when it has one
    int16_t amount = 0;
    uint8_t duration = 0;  // rounds or turns left; 0 for ever
    uint8_t type = 0;      // the effect type (SEffectType)
    uint8_t kind = 0;
    uint8_t subId = 0;  // the skill or attribute

    // The saved-game form: kind, type, name, the aligned amount, duration, sub-id.
    void Serialize(SArchive& archive);
};

struct SCreatureEffectList {
    uint8_t creatureId = 0;
    SPtrArray<SCreatureEffect> entries{4};

    // The saved-game form: the creature's id, then the entries as an aligned u16 count and each
    // entry. Reading stops at the first entry the record cuts short.
    void Serialize(SArchive& archive);
};

class SCreatureEffects {
public:
    SCreatureEffects() = default;
    SCreatureEffects(const SCreatureEffects&) = delete;
    SCreatureEffects& operator=(const SCreatureEffects&) = delete;

    // The creature's list, or null when it has no effects.
    SCreatureEffectList* Find(uint8_t creatureId) const;
    int Count() const { return m_lists.Count(); }
    SCreatureEffectList* At(int index) const { return m_lists.At(index); }
    // The list read from a saved game joins; the creature's list it replaces goes.
    void Add(SCreatureEffectList* list);
    void Remove(uint8_t creatureId);
    // Takes the creature's list out without deleting it; null when it has none.
    SCreatureEffectList* Take(uint8_t creatureId);
    void Clear() { m_lists.DeleteAll(); }

    // A timed effect of the creature. One of the same type, sub-id and name already there takes
    // the new amount and duration when the amount is larger, or as large and lasting longer;
    // otherwise the effect is added. The duration is held to 255 (0: for ever) and the amount to
    // 16 bits, so that neither wraps.
    void AddTimed(uint8_t creatureId, int amount, int duration, uint8_t type, uint8_t subId, const char* name);
    void RemoveTimed(uint8_t creatureId, uint8_t type);
    // Infecting twice with one disease gives it once.
    void Infect(uint8_t creatureId, const char* disease);
    void Cure(uint8_t creatureId, const char* disease);
    // A null or empty name asks for any disease.
    bool HasDisease(uint8_t creatureId, const char* disease) const;

    // The amounts of the creature's timed effects of the type added up; curse, paralysis and magic
    // immunity give 1 while the creature has them.
    int Sum(uint8_t creatureId, uint8_t type) const;
    bool IsCursed(uint8_t creatureId) const { return Sum(creatureId, kEffectCurse) != 0; }
    bool IsParalyzed(uint8_t creatureId) const { return Sum(creatureId, kEffectParalyze) != 0; }
    // The timed effects of the type and sub-id, and the effects of the creature's diseases of the
    // same, each amount folded as stored percentages are (beyond 100 they count 100 less).
    int Total(uint8_t creatureId, uint8_t type, uint8_t subId, const SDiseaseTable& diseases) const;

    // `elapsed` rounds pass: each timed effect that does not last for ever loses as many, and one
    // that runs out goes. Answers whether a paralysis went.
    bool PassTime(uint8_t creatureId, uint32_t elapsed);
    // The text shown for the creature's effects: "none\r", or "\r" and a line for each disease and
    // each timed effect of a type that has one.
    void Format(uint8_t creatureId, SString& out, const SSkillTable& skills, const SAttributeTable& attributes) const;

private:
    SCreatureEffectList& listOf(uint8_t creatureId);

    SPtrArray<SCreatureEffectList> m_lists{4};
};
