#pragma once
// The music the sound library plays: a four-channel module file assembled in memory from a song and
// the bank of samples it plays on.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"
#include "engine/base/read_error.h"

class SMusicModule {
public:
    // The largest image a song and its bank may make. Real songs hold a few dozen 1 KB patterns over
    // a few hundred kilobytes of samples; the 16-bit pattern counts and sizes of damaged records
    // could otherwise ask for over 4 GB.
    static constexpr size_t kLargestImage = 16 * 1024 * 1024;

    // Builds the image for a song over its bank. The samples are copied only when the image does
    // not already hold this bank's samples behind a pattern area of this song's size. False, with
    // the image left as it was and the reason in Error(), when the song cannot be played: no bank,
    // a bank without pattern slots, more patterns than the bank has slots, an order table already
    // full, or an image larger than kLargestImage.
    bool Build(const SMusicSong& song, const SMusicBank* bank);
    const std::vector<uint8_t>& Image() const { return m_image; }
    // Why the last song was refused.
    const SReadError& Error() const { return m_error; }

private:
    bool refuse(const SMusicSong& song, std::string what);

    std::string m_bankName;
    size_t m_patternArea = 0;
    std::vector<uint8_t> m_image;
    SReadError m_error;
};
