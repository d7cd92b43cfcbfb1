#include "data/world/global_table.h"

#include <utility>
#include <vector>

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kGlobalTableRecordTag = 17;
constexpr int kNoValueFrom = 68;

}  // namespace

void SGlobalVar::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kGlobalTableRecordTag);
    m_name.Serialize(archive);
    if (version >= kNoValueFrom) return;
    m_value.Serialize(archive, archive.IsWriting());
    if (!archive.IsWriting()) m_value = SScriptValue();
}

void SGlobalTable::SaveValues(SArchive& archive) const {
    archive.SerializeTag(SGlobalVar::kChunkTag);
    uint16_t count = uint16_t(Count());
    archive.SerializeU16(count);
    for (int i = 0; i < Count(); ++i) {
        const char* name = At(i)->m_name.Text();
        archive.SerializeCStr(name);
        At(i)->m_value.Serialize(archive, true);
    }
}

bool SGlobalTable::LoadValues(SArchive& archive) {
    archive.SerializeTag(SGlobalVar::kChunkTag);
    uint16_t count = 0;
    archive.SerializeU16(count);
    std::vector<std::pair<SGlobalVar*, SScriptValue>> read;
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        const char* name = nullptr;
        archive.SerializeCStr(name);
        SScriptValue value;
        value.Serialize(archive, false);
        if (SGlobalVar* global = Find(name)) read.emplace_back(global, std::move(value));
    }
    if (archive.Failed()) return false;
    for (auto& [global, value] : read) global->m_value = std::move(value);
    return true;
}
