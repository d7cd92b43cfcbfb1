#include "data/spells/spell_effect.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kRecordTag = '1';
constexpr int kDroppedTextFrom = 26;
constexpr int kDroppedTextUntil = 108;

}  // namespace

void SSpellEffect::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kRecordTag);
    m_name.Serialize(archive);
    archive.SerializeU8(m_value);
    if (version >= kDroppedTextFrom && version <= kDroppedTextUntil) {
        const char* dropped = nullptr;
        archive.SerializeCStr(dropped);
    }
    m_frameNames.SerializeCStrs(archive);
    SerializePaletteNames(archive, version);
}
