#pragma once
// SSceneTable: the scenes of the world data, found by name, and the list of scene names that
// packages carry beside them.
#include <memory>

#include "data/scene.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

struct SRecordCursor;

class SSceneTable {
public:
    // One record: tag '5', from data version 101 the name list, then the scene list. Both join
    // those of the packages opened before. False, with the cursor's error naming the record, when
    // it is missing or cut short.
    bool Load(SRecordCursor& cursor);
    // The record Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in: a scene sorted by name hash, a name at the end of the name list.
    void Add(std::unique_ptr<SScene> scene) { m_scenes.Add(scene.release(), ListOrder::Sorted); }
    void AddName(std::unique_ptr<SSceneName> name) { m_names.Add(name.release(), ListOrder::Appended); }

    SScene* Find(const char* name) const { return m_scenes.FindByName(name); }

    void Clear();
    const SPtrArray<SScene>& Scenes() const { return m_scenes; }
    const SPtrArray<SSceneName>& Names() const { return m_names; }

private:
    void serializeChunk(SArchive& archive, int version);

    SPtrArray<SSceneName> m_names{4};
    SPtrArray<SScene> m_scenes{10};
};
