#include "data/items/equip_picture.h"

#include "engine/base/archive.h"

namespace {

constexpr int kSixthNumberFrom = 29;

}  // namespace

void SEquipPicture::Serialize(SArchive& archive, int version) {
    m_name.Serialize(archive);
    archive.SerializeSString(m_text);
    archive.SerializeSString(m_pictureName);
    archive.SerializeSString(m_spriteName);
    archive.SerializeU32(m_value);
    const size_t numbers = version >= kSixthNumberFrom ? m_numbers.size() : m_numbers.size() - 1;
    for (size_t i = 0; i < numbers; ++i) archive.SerializeU16(m_numbers[i]);
    archive.SerializeU8(m_byteA);
    archive.SerializeU8(m_byteB);
}
