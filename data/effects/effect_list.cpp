#include "data/effects/effect_list.h"

#include <algorithm>

#include "data/spells/spell_table.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kListTag = 6;
// Package lists before this data version carry an unused u16 after the value.
constexpr int kNoSpareWordFrom = 84;

}  // namespace

void SEffectList::Assign(const SEffectList& other) {
    m_value = other.m_value;
    m_entries.AssignClones(other.m_entries);
}

std::unique_ptr<SEffectList> SEffectList::Clone() const {
    auto copy = std::make_unique<SEffectList>();
    copy->Assign(*this);
    return copy;
}

void SEffectList::Insert(int index, std::unique_ptr<SEffect> effect) {
    // Only a list of 65,535 entries refuses, and then the entry goes.
    if (m_entries.InsertAt(std::clamp(index, 0, Count()), effect.get())) effect.release();
}

bool SEffectList::Equals(const SEffectList* other) const {
    if (other == nullptr || other->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (!m_entries[i]->Equals(*other->m_entries[i])) return false;
    return true;
}

bool SEffectList::Has(SEffectType type) const {
    for (int i = 0; i < Count(); ++i)
        if (m_entries[i]->m_type == type) return true;
    return false;
}

bool SEffectList::HasUndeadMagicSpell(const SSpellTable& spells) const {
    return hasSpellOfSchool(spells, kSchoolUndead);
}

bool SEffectList::HasHealMagicSpell(const SSpellTable& spells) const { return hasSpellOfSchool(spells, kSchoolHeal); }

bool SEffectList::hasSpellOfSchool(const SSpellTable& spells, uint8_t school) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_entries[i]->m_source != kSourceSpellCharge) continue;
        const SSpellType* spell = spells.FindSpell(m_entries[i]->m_target.Text());
        if (spell && spell->m_school == school) return true;
    }
    return false;
}

void SEffectList::Serialize(SArchive& archive, int version) {
    if (!archive.IsWriting()) m_entries.DeleteAll();
    archive.SerializeTag(kListTag);
    archive.SerializeU32(m_value);
    if (version < kNoSpareWordFrom) {
        uint16_t unused = 0;
        archive.SerializeU16(unused);
    }
    m_entries.SerializeList(archive, version, ListOrder::Appended);
}

void SEffectList::SerializeSaved(SArchive& archive) {
    if (!archive.IsWriting()) m_entries.DeleteAll();
    archive.SerializeU32(m_value);
    m_entries.SerializeEach(archive, ListOrder::Appended,
                            [](SEffect& effect, SArchive& a) { effect.SerializeSaved(a); });
}

std::string SEffectList::Fault() const { return EffectsFault(m_entries); }

std::string EffectsFault(const SPtrArray<SEffect>& effects) {
    for (int i = 0; i < effects.Count(); ++i) {
        std::string fault = effects[i]->Fault();
        if (!fault.empty()) return "effect " + std::to_string(i + 1) + ": " + fault;
    }
    return {};
}
