#include "data/package/module_records.h"

#include "engine/base/archive.h"

namespace {
// Packages may carry these three bytes between the header value and the data version.
constexpr uint8_t kHeaderTags[] = {0x9E, 'I', 0x11};
constexpr uint8_t kPackagePictureTag = 'L';
constexpr uint8_t kMapsRecordTag = 1;
}  // namespace

void SModuleHeader::Serialize(SArchive& archive) {
    archive.SerializeU32(value);
    for (uint8_t tag : kHeaderTags) archive.SerializeTag(tag);
    archive.SerializeU8(dataVersion);
    archive.SerializeU8(flagA);
    archive.SerializeU8(flagB);
    archive.SerializeSString(name);
    archive.SerializeSString(identifier);
    archive.SerializeSString(text);
    archive.SerializeU16(valueA);
    archive.SerializeU16(valueB);
    archive.SerializeSString(mapPrefix);
}

void SPackagePictureRecord::Serialize(SArchive& archive) {
    archive.SerializeTag(kPackagePictureTag);
    archive.SerializeU16(size);
}

void SNameIndexRecord::Serialize(SArchive& archive, SNameIndex index) {
    archive.SerializeTag(uint8_t(index));
    uint16_t count = uint16_t(names.size());
    archive.SerializeU16(count);
    if (archive.IsWriting()) {
        for (const char*& name : names) archive.SerializeCStr(name);
        return;
    }
    // Grows with what the record really holds, never by the count alone.
    names.clear();
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        const char* name = nullptr;
        archive.SerializeCStr(name);
        names.push_back(name);
    }
}

void SMapsRecordHead::Serialize(SArchive& archive) {
    archive.SerializeTag(kMapsRecordTag);
    archive.SerializeU16(floorIndex);
    archive.SerializeU16(paletteIndex);
    archive.SerializeU8(mapCount);
}
