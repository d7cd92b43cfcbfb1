#include "engine/audio/sound_type.h"

#include <cstring>

#include "engine/base/archive.h"
#include "engine/base/byte_order.h"
#include "engine/packages/record_cursor.h"

namespace {

// The image is aligned to 4 in records after this data version.
constexpr int kAlignedImageAfter = 109;
// "RIFF" and the size of what follows it.
constexpr uint32_t kRiffHead = 8;

}  // namespace

bool SSoundType::TakeImage(std::vector<uint8_t> bytes, std::string& fault) {
    fault = platform::Sound::ImageFault(bytes.data(), bytes.size());
    if (!fault.empty()) return false;
    sampleImage = std::move(bytes);
    for (auto& sound : cache) sound.reset();
    return true;
}

platform::Sound* SSoundType::CreateSound(int step) {
    if (step < 0 || step >= kVolumeSteps) return nullptr;
    if (!cache[step]) {
        auto sound = std::make_unique<platform::Sound>();
        if (!sound->Load(sampleImage.data(), sampleImage.size())) return nullptr;
        cache[step] = std::move(sound);
    }
    return cache[step].get();
}

void SSoundType::Serialize(SArchive& archive, int version) {
    archive.SerializeString(name);
    for (uint16_t& value : wordValues) archive.SerializeU16(value);
    for (uint8_t& value : byteValues) archive.SerializeU8(value);
    if (version > kAlignedImageAfter) archive.Align(4);
    if (!archive.IsWriting()) sampleImage.resize(archive.Remaining());
    archive.SerializeBytes(sampleImage.data(), uint32_t(sampleImage.size()));
}

bool SSoundType::Load(SRecordCursor& cursor, const char* what) {
    if (!cursor.Read(what, [&](SArchive& archive) { Serialize(archive, cursor.version); })) return false;
    if (!trimImage()) return cursor.Fail(what, "sound \"" + name + "\" holds no whole RIFF WAVE image");
    // The same refusal as the interface sounds': a rate or size the game cannot play.
    std::string fault;
    if (!TakeImage(std::move(sampleImage), fault)) return cursor.Fail(what, "sound \"" + name + "\": " + fault);
    return true;
}

void SSoundType::Write(SRecordList& records, int version) {
    AppendRecord(records, [&](SArchive& archive) { Serialize(archive, version); });
}

bool SSoundType::trimImage() {
    if (sampleImage.size() < kRiffHead || std::memcmp(sampleImage.data(), "RIFF", 4) != 0) return false;
    const uint32_t whole = ReadLE32(sampleImage.data() + 4);
    if (whole > sampleImage.size() - kRiffHead) return false;
    sampleImage.resize(kRiffHead + whole);
    return true;
}
