#include "data/named_script.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kNamedScriptTag = '(';
constexpr int kValueAfter = 51;

}  // namespace

void SNamedScript::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kNamedScriptTag);
    archive.SerializeName(name);
    if (version > kValueAfter) archive.SerializeU8(value);
    const uint8_t* bytes = program.data();
    auto length = uint16_t(program.size());
    archive.SerializeBlob(bytes, length);
    if (!archive.IsWriting()) program.assign(bytes, bytes + length);
}
