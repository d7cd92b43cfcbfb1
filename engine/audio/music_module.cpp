#include "engine/audio/music_module.h"

#include <algorithm>

namespace {

constexpr size_t kMusicModuleTitleSize = 20;
constexpr size_t kMusicModuleSampleHeaderSize = 30;
constexpr size_t kSongLengthAt = 950;
constexpr size_t kOrderTableAt = 952;
constexpr size_t kOrderEntries = 128;
// Marks row 0 of the end pattern that closes a song shorter than the bank's pattern slots.
constexpr uint8_t kEndPatternMark = 0xB0;

}  // namespace

bool SMusicModule::refuse(const SMusicSong& song, std::string what) {
    m_error = {{}, {}, "song \"" + song.name + "\"", {}, std::move(what)};
    return false;
}

bool SMusicModule::Build(const SMusicSong& song, const SMusicBank* bank) {
    if (bank == nullptr) return refuse(song, "its bank \"" + song.bankName + "\" is missing");
    const size_t P = bank->patternSlots, S = song.patternSize;
    const size_t K = std::min<size_t>(bank->sampleCount, 31);
    const std::string bankName = "bank \"" + bank->name + "\"";
    if (P == 0) return refuse(song, bankName + " has no pattern slots");
    if (song.patterns.size() > P)
        return refuse(song, "its " + std::to_string(song.patterns.size()) + " patterns are more than the " +
                                std::to_string(P) + " pattern slots of " + bankName);
    if (song.header[kSongLengthAt] >= kOrderEntries) return refuse(song, "its order table is full");

    const size_t patternArea = P * S;
    size_t sampleBytes = 0;
    for (size_t j = 0; j < K; ++j) sampleBytes += bank->SampleBytes(int(j));
    const size_t imageSize = kModuleHeaderSize + patternArea + sampleBytes;
    if (imageSize > kLargestImage)
        return refuse(song, "over " + bankName + " it would take " + std::to_string(imageSize) +
                                " bytes, more than the " + std::to_string(kLargestImage) + " a song may take");

    // The samples lie behind the pattern area, so another song's pattern size moves them.
    if (bank->name.empty() || bank->name != m_bankName || patternArea != m_patternArea || m_image.size() != imageSize) {
        m_bankName = bank->name;
        m_patternArea = patternArea;
        m_image.assign(imageSize, 0);
        // Samples follow the pattern area, each its header's length, whatever its block holds.
        uint8_t* at = m_image.data() + kModuleHeaderSize + patternArea;
        for (size_t j = 0; j < K; ++j) {
            const uint32_t bytes = bank->SampleBytes(int(j));
            if (j < bank->samples.size())
                std::copy_n(bank->samples[j].begin(), std::min<size_t>(bytes, bank->samples[j].size()), at);
            at += bytes;
        }
    } else {
        // The previous song's patterns must not play in this one's empty end pattern.
        std::fill_n(m_image.begin() + kModuleHeaderSize, patternArea, 0);
    }

    std::copy(song.header.begin(), song.header.end(), m_image.begin());
    std::copy_n(bank->header.begin() + kMusicModuleTitleSize, K * kMusicModuleSampleHeaderSize,
                m_image.begin() + kMusicModuleTitleSize);
    for (size_t i = 0; i < song.patterns.size(); ++i)
        std::copy_n(song.patterns[i].begin(), std::min(S, song.patterns[i].size()),
                    m_image.begin() + kModuleHeaderSize + i * S);

    if (song.patterns.size() < P) {
        const uint8_t length = m_image[kSongLengthAt];
        m_image[kSongLengthAt] = uint8_t(length + 1);
        m_image[kOrderTableAt + length] = uint8_t(P - 1);
        if (S > 4) m_image[kModuleHeaderSize + (P - 1) * S + 4] = kEndPatternMark;
    }
    m_error = {};
    return true;
}
