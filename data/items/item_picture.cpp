#include "data/items/item_picture.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kItemPictureRecordTag = 23;
constexpr int kOldByteFrom = 45;
constexpr int kOldByteUntil = 46;

}  // namespace

void SItemPicture::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kItemPictureRecordTag);
    m_name.Serialize(archive);
    archive.SerializeU8(m_flag);
    if (version >= kOldByteFrom && version <= kOldByteUntil && m_flag == 0) archive.SerializeU8(m_oldByte);
    SerializePaletteNames(archive, version);
}
