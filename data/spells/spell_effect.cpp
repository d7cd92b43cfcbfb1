#include "data/spells/spell_effect.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kSpellEffectRecordTag = '1';
constexpr int kSpellEffectDroppedTextFrom = 26;
constexpr int kSpellEffectDroppedTextUntil = 108;

}  // namespace

void SSpellEffect::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kSpellEffectRecordTag);
    m_name.Serialize(archive);
    archive.SerializeU8(m_value);
    if (version >= kSpellEffectDroppedTextFrom && version <= kSpellEffectDroppedTextUntil) {
        const char* dropped = nullptr;
        archive.SerializeCStr(dropped);
    }
    m_frameNames.SerializeCStrs(archive);
    SerializePaletteNames(archive, version);
}
