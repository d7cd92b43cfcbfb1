#pragma once
// SEffectRecord: what diseases and abilities share: a name, a description and effects that act for
// as long as the player has the disease or the ability.
#include <string>

#include "data/effects/effect.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;
struct SEffectLookups;

class SEffectRecord {
public:
    SEffectRecord() { m_name.SetOwned(); }
    SEffectRecord(const SEffectRecord&) = delete;
    SEffectRecord& operator=(const SEffectRecord&) = delete;

    const SName& NameKey() const { return m_name; }
    // The name the player reads: its text, or its name when it has none.
    const char* Title() const { return m_text.IsEmpty() ? m_name.Text() : m_text.Text(); }
    std::string Fault() const;

    SName m_name;
    SString m_text;
    SPtrArray<SEffect> m_effects{4};

protected:
    // The texts of the effects first .. end - 1 that exist, for a holder of the context at level 0,
    // one a line, rewritten in the fonts' small digits.
    void describeEffects(const SEffectLookups& lookups, SEffectContext context, int first, int end, bool shortLabel,
                         bool compact, SString& out) const;
    // The name (its hashes computed on reading) and the description.
    void serializeHead(SArchive& archive);
    // An aligned u16 count and each effect in its package form.
    void serializeEffects(SArchive& archive, int version);
};
