#include "data/scene_table.h"

#include "data/package/module_load_order.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

constexpr uint8_t kSceneTableChunkTag = '5';
constexpr int kNameListAfter = 100;

}  // namespace

void SSceneTable::serializeChunk(SArchive& archive, int version) {
    archive.SerializeTag(kSceneTableChunkTag);
    if (version > kNameListAfter) m_names.SerializeList(archive, version, ListOrder::Appended);
    m_scenes.SerializeList(archive, version, ListOrder::Sorted);
}

bool SSceneTable::Load(SRecordCursor& cursor) {
    return cursor.Read(TableName(SModuleTable::Scenes),
                       [&](SArchive& archive) { serializeChunk(archive, cursor.version); });
}

SRecordList SSceneTable::Write(int version) {
    return WriteOneRecord([&](SArchive& archive) { serializeChunk(archive, version); });
}

void SSceneTable::Clear() {
    m_names.DeleteAll();
    m_scenes.DeleteAll();
}
