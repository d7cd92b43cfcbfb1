#include "data/sound_table.h"

#include "data/package/module_load_order.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

constexpr uint8_t kSoundTableChunkTag = ',';

struct SSoundChunk {
    uint16_t banks = 0;
    uint16_t songs = 0;
    uint16_t sounds = 0;
    void Serialize(SArchive& archive) {
        archive.SerializeTag(kSoundTableChunkTag);
        archive.SerializeU16(banks);
        archive.SerializeU16(songs);
        archive.SerializeU16(sounds);
    }
};

template <typename T>
bool loadEntries(SRecordCursor& cursor, const char* what, uint16_t count, SPtrArray<T>& list) {
    for (int i = 0; i < count; ++i) {
        auto entry = std::make_unique<T>();
        if (!entry->Load(cursor, what)) return false;
        list.Add(entry.release(), ListOrder::Sorted);
    }
    return true;
}

}  // namespace

SSoundTable::~SSoundTable() {
    if (m_sound) m_sound->StopAllSounds();
}

bool SSoundTable::Load(SRecordCursor& cursor) {
    const char* what = TableName(SModuleTable::Sounds);
    SSoundChunk chunk;
    return cursor.Read(what, [&](SArchive& archive) { chunk.Serialize(archive); }) &&
           loadEntries(cursor, what, chunk.banks, m_banks) && loadEntries(cursor, what, chunk.songs, m_songs) &&
           loadEntries(cursor, what, chunk.sounds, m_sounds);
}

SRecordList SSoundTable::Write(int version) {
    SRecordList records;
    SSoundChunk chunk{m_banks.Count(), m_songs.Count(), m_sounds.Count()};
    AppendRecord(records, [&](SArchive& archive) { chunk.Serialize(archive); });
    for (int i = 0; i < m_banks.Count(); ++i) m_banks[i]->Write(records, version);
    for (int i = 0; i < m_songs.Count(); ++i) m_songs[i]->Write(records);
    for (int i = 0; i < m_sounds.Count(); ++i) m_sounds[i]->Write(records, version);
    return records;
}

int SSoundTable::PlaySound(const char* name, int volume) {
    SSoundType* sound = FindSound(name);
    return sound && m_sound ? m_sound->Play(*sound, volume) : 0;
}

int SSoundTable::PlayMusic(const char* name) {
    const SMusicSong* song = FindSong(name);
    return song && m_sound ? m_sound->PlayMusic(*song) : 0;
}

void SSoundTable::Clear() {
    m_banks.DeleteAll();
    m_songs.DeleteAll();
    m_sounds.DeleteAll();
}
