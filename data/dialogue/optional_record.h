#pragma once
// The optional parts of conversation records (conditions, choices): a u8 present flag, then the
// record when the flag is 1. Any other flag reads as absent.
#include <cstdint>
#include <memory>

#include "engine/base/archive.h"

template <typename T>
void SerializeOptional(SArchive& archive, std::unique_ptr<T>& record) {
    uint8_t present = record ? 1 : 0;
    archive.SerializeU8(present);
    if (!archive.IsWriting()) record = present == 1 ? std::make_unique<T>() : nullptr;
    if (record) record->Serialize(archive);
}
