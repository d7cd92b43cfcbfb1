#include "data/quest.h"

#include "engine/base/archive.h"

void SQuest::Serialize(SArchive& archive, int) {
    constexpr uint8_t kTag = 9;
    archive.SerializeTag(kTag);
    archive.SerializeName(name);
    archive.SerializeSString(title);
    archive.SerializeSString(text);
}
