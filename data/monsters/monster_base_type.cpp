#include "data/monsters/monster_base_type.h"

#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kMonsterBaseTypeRecordTag = 29;

}  // namespace

void SMonsterBaseType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kMonsterBaseTypeRecordTag);
    m_name.Serialize(archive);
    archive.SerializeCStr(m_texts[0]);
    archive.SerializeCStr(m_texts[1]);
    m_pictureNames.SerializeCStrs(archive);
    if (version > 15) archive.SerializeCStr(m_paralysedPalette);
    if (version > 21) {
        archive.SerializeCStr(m_sounds[0]);
        archive.SerializeCStr(m_sounds[1]);
        if (version > 104) archive.SerializeCStr(m_sounds[2]);
        archive.SerializeCStr(m_creatureSound);
    }
    archive.Align(2);
    for (uint16_t& stat : m_stats) archive.SerializeU16(stat);
    archive.SerializeU8(m_kind);
    if (version > 44) archive.SerializeU8(m_pictureGroup);
    if (version > 45) archive.SerializeU8(m_size);
    if (version > 94) archive.SerializeU8(m_copied[0]);
    if (version > 96) archive.SerializeU8(m_copied[1]);
    SerializePaletteNames(archive, version);
    if (!archive.IsWriting()) dropEmptyPaletteNames();
    if (version >= 79) archive.SerializeU8(m_attackKind);
    if (version >= 80) archive.SerializeCStr(m_missile);
}

// The first name keeps its place even when empty: a monster's colouring is the first name.
void SMonsterBaseType::dropEmptyPaletteNames() {
    for (int i = m_paletteNames.Count() - 1; i >= 1; --i)
        if (m_paletteNames[i] == nullptr) m_paletteNames.RemoveAt(i);
}

std::string SMonsterBaseType::Fault() const {
    const int wanted = PictureCount(m_kind);
    if (m_pictureNames.Count() == wanted) return {};
    return "kind " + std::to_string(m_kind) + " has " + std::to_string(wanted) + " pictures, not " +
           std::to_string(m_pictureNames.Count());
}

void SMonsterBaseType::ResolvePictures(const SResourceCache& cache, std::vector<uint8_t>& groups) {
    m_pictures.clear();
    // An unknown name still takes its place, so that picture i stays the i-th name's.
    for (int i = 0; i < m_pictureNames.Count(); ++i) {
        const SPictureEntry* picture = cache.FindPicture(m_pictureNames[i]);
        m_pictures.push_back(picture);
        if (picture && picture->slot != 0 && picture->slot < groups.size()) groups[picture->slot] = m_pictureGroup;
    }
}

uint16_t SMonsterBaseType::PictureSlot(int i) const {
    const SPictureEntry* picture = i >= 0 && size_t(i) < m_pictures.size() ? m_pictures[i] : nullptr;
    return picture ? uint16_t(picture->slot) : 0;
}

bool SMonsterBaseType::LoadPictures(SResourceCache& cache) {
    // The pictures load even for a loaded type, so that one it shares with a type freed meanwhile
    // comes back; a picture that is there already costs nothing.
    bool all = true;
    for (int i = 0; i < m_pictureNames.Count(); ++i)
        if (m_pictureNames[i] && !cache.LoadPicture(m_pictureNames[i])) all = false;
    if (!m_loaded) AcquirePalettes(cache);
    m_loaded = true;
    return all;
}

void SMonsterBaseType::ReleasePictures(SResourceCache& cache) {
    if (!m_loaded) return;
    for (int i = 0; i < m_pictureNames.Count(); ++i)
        if (m_pictureNames[i]) cache.UnloadPicture(m_pictureNames[i]);
    ReleasePalettes(cache);
    m_loaded = false;
}
