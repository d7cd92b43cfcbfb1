#include "data/sky_type.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kSkyTypeTag = 'A';
constexpr int kPictureNameAfter = 38;
constexpr int kFogAndVisibilityAfter = 31;
constexpr int kCloudScrollAfter = 75;

}  // namespace

void SSkyType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kSkyTypeTag);
    archive.SerializeName(name);
    if (version > kPictureNameAfter) archive.SerializeSString(pictureName);
    if (!archive.IsWriting() && pictureName.IsEmpty() && name.Text()) pictureName.Assign(name.Text());
    archive.SerializeU8(kind);
    archive.SerializeU8(key);
    if (version > kFogAndVisibilityAfter) {
        archive.SerializeU16(fogColour);
        archive.SerializeU8(visibility);
    }
    if (version > kCloudScrollAfter) {
        auto bits = uint8_t(cloudScroll);
        archive.SerializeU8(bits);
        cloudScroll = int8_t(bits);
    }
}
