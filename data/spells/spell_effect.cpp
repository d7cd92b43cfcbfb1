#include "data/spells/spell_effect.h"

#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kRecordTag = '1';
constexpr int kDroppedTextFrom = 26;
constexpr int kDroppedTextUntil = 108;

}  // namespace

void SSpellEffect::ResolvePictures(const SResourceCache& cache) {
    m_frameSlots.clear();
    for (int i = 0; i < m_frameNames.Count(); ++i) {
        const SPictureEntry* entry = cache.FindPicture(m_frameNames[i]);
        m_frameSlots.push_back(entry ? entry->slot : 0);
    }
}

bool SSpellEffect::LoadPictures(SResourceCache& cache) {
    bool all = true;
    for (int i = 0; i < m_frameNames.Count(); ++i)
        if (!cache.LoadPicture(m_frameNames[i])) all = false;
    AcquirePalettes(cache);
    return all;
}

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

void SSpellEffectTable::ResolvePictures(const SResourceCache& cache) {
    for (int i = 0; i < Count(); ++i) At(i)->ResolvePictures(cache);
}

bool SSpellEffectTable::LoadPictures(SResourceCache& cache) {
    bool all = true;
    for (int i = 0; i < Count(); ++i)
        if (!At(i)->LoadPictures(cache)) all = false;
    return all;
}
