#pragma once
// The music the sound library plays: a four-channel module file assembled in memory from a song and
// the bank of samples it plays on.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"

class SMusicModule {
public:
    // Builds the image for a song over its bank. The samples are copied only when the bank differs
    // from the one the image holds. False, with the image left as it was, when the song cannot be
    // played: no bank, a bank without pattern slots, more patterns than the bank has slots, or an
    // order table already full.
    bool Build(const SMusicSong& song, const SMusicBank* bank);
    const std::vector<uint8_t>& Image() const { return m_image; }

private:
    std::string m_bankName;
    std::vector<uint8_t> m_image;
};
