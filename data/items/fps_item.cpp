#include "data/items/fps_item.h"

#include "data/sound_table.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kFpsItemRecordTag = 57;
constexpr int kSoundVolume = 10;
// The data version from which each of the five bytes is stored.
constexpr int kBytesFrom[5] = {4, 75, 75, 77, 78};
constexpr int kLateTextFrom = 82;
constexpr int kSoundFrom = 107;
constexpr int kPalettesFrom = 18;

}  // namespace

int SFpsItem::PlaySound(SSoundTable& sounds) const { return sounds.PlaySound(m_soundName.Text(), kSoundVolume); }

void SFpsItem::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kFpsItemRecordTag);
    m_name.Serialize(archive);
    archive.SerializeU8(m_value);
    archive.SerializeSString(m_text);
    archive.SerializeU16(m_numberA);
    archive.SerializeU16(m_numberB);
    for (size_t i = 0; i < m_bytes.size(); ++i)
        if (version >= kBytesFrom[i]) archive.SerializeU8(m_bytes[i]);
    if (version >= kLateTextFrom) archive.SerializeSString(m_lateText);
    if (version >= kSoundFrom) archive.SerializeSString(m_soundName);
    m_frameNames.SerializeCStrs(archive);
    if (version >= kPalettesFrom) SerializePaletteNames(archive, version);
}
