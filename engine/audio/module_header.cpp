#include "engine/audio/module_header.h"

#include "engine/base/archive.h"

namespace {

constexpr size_t kTitleSize = 20;
constexpr size_t kSampleHeaderSize = 30;
constexpr size_t kSampleNameSize = 22;
// Song length, restart byte, order table and format tag.
constexpr size_t kTailSize = kModuleHeaderSize - kModuleSongLengthAt;

void serializeBigEndianWord(SArchive& archive, uint8_t* word) {
    archive.Align(2);
    archive.SerializeBytes(word, 2);
}

}  // namespace

void SerializeModuleHeader(SArchive& archive, SModuleHeaderBytes& header) {
    archive.SerializeBytes(header.data(), kTitleSize);
    for (int j = 0; j < kModuleSamples; ++j) {
        uint8_t* sample = header.data() + kTitleSize + kSampleHeaderSize * j;
        archive.SerializeBytes(sample, kSampleNameSize);
        serializeBigEndianWord(archive, sample + 22);  // length in words
        archive.SerializeBytes(sample + 24, 2);        // finetune, volume
        serializeBigEndianWord(archive, sample + 26);  // loop start
        serializeBigEndianWord(archive, sample + 28);  // loop length
    }
    archive.SerializeBytes(header.data() + kModuleSongLengthAt, kTailSize);
}
