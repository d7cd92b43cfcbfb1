#include "data/script_table.h"

#include "data/package/module_load_order.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"
#include "script/script.h"

namespace {

constexpr uint8_t kTableChunkTag = '\'';

void serializeChunkTable(SArchive& archive, uint16_t& count) {
    archive.SerializeTag(kTableChunkTag);
    archive.SerializeU16(count);
}

}  // namespace

bool SScriptTable::Load(SRecordCursor& cursor) {
    const char* what = TableName(SModuleTable::Scripts);
    uint16_t count = 0;
    if (!cursor.Read(what, [&](SArchive& archive) { serializeChunkTable(archive, count); })) return false;
    for (int i = 0; i < count; ++i) {
        auto script = std::make_unique<SNamedScript>();
        if (!cursor.Read(what, [&](SArchive& archive) { script->Serialize(archive, cursor.version); })) return false;
        m_scripts.Add(script.release(), ListOrder::Sorted);
    }
    return true;
}

SRecordList SScriptTable::Write(int version) {
    SRecordList records;
    uint16_t count = m_scripts.Count();
    AppendRecord(records, [&](SArchive& archive) { serializeChunkTable(archive, count); });
    for (int i = 0; i < m_scripts.Count(); ++i)
        AppendRecord(records, [&](SArchive& archive) { m_scripts[i]->Serialize(archive, version); });
    return records;
}

int SScriptTable::Run(const char* name) {
    const SNamedScript* script = Find(name);
    if (script == nullptr) return -1;
    if (script->program.empty() || m_interpreter == nullptr) return 0;
    // A program the interpreter refuses stays unbound, and the run then fails as a damaged one.
    m_interpreter->Load(script->program.data(), uint32_t(script->program.size()));
    return m_interpreter->Execute() ? 1 : 0;
}
