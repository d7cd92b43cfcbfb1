#pragma once
// SSoundTable: the instrument banks, songs and sound effects of the sound and music packages, found
// by name ("bmus_" music, "bsnd_" sounds) and played through the sound wrapper, which also finds a
// song's bank here.
#include <memory>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"
#include "engine/audio/sound.h"
#include "engine/audio/sound_type.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

struct SRecordCursor;

class SSoundTable final : public SMusicBankSource {
public:
    SSoundTable() = default;
    // The library sounds go with their records, so whatever still plays is stopped first.
    ~SSoundTable();
    SSoundTable(const SSoundTable&) = delete;
    SSoundTable& operator=(const SSoundTable&) = delete;

    // The wrapper that plays the table's sounds.
    void Attach(SSound* sound) { m_sound = sound; }

    // The chunk record (tag ',', the bank, song and sound counts), then the banks, the songs and the
    // sounds, each from as many records as its format takes. They join the entries of the packages
    // opened before. False, with the cursor's error naming the record, for a missing or damaged one.
    bool Load(SRecordCursor& cursor);
    // The records Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in: each joins its list sorted by name hash.
    void AddBank(std::unique_ptr<SMusicBank> bank) { m_banks.Add(bank.release(), ListOrder::Sorted); }
    void AddSong(std::unique_ptr<SMusicSong> song) { m_songs.Add(song.release(), ListOrder::Sorted); }
    void AddSound(std::unique_ptr<SSoundType> sound) { m_sounds.Add(sound.release(), ListOrder::Sorted); }

    // Null when the name is unknown.
    const SMusicBank* FindBank(const char* name) const override { return m_banks.FindByName(name); }
    SMusicSong* FindSong(const char* name) const { return m_songs.FindByName(name); }
    SSoundType* FindSound(const char* name) const { return m_sounds.FindByName(name); }
    // Plays the named sound once at volume 0 .. 10: the wrapper's channel, 0 when the name is unknown.
    int PlaySound(const char* name, int volume);
    // Plays the named song looped: the wrapper's answer, 0 when the name is unknown.
    int PlayMusic(const char* name);

    // Deletes every entry; the caller stops the sounds first.
    void Clear();

    const SPtrArray<SMusicBank>& Banks() const { return m_banks; }
    const SPtrArray<SMusicSong>& Songs() const { return m_songs; }
    const SPtrArray<SSoundType>& Sounds() const { return m_sounds; }

private:
    SSound* m_sound = nullptr;
    SPtrArray<SMusicBank> m_banks{10};
    SPtrArray<SMusicSong> m_songs{10};
    SPtrArray<SSoundType> m_sounds{10};
};
