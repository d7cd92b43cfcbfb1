#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/name.h"
#include "engine/packages/record_list.h"
#include "platform/sound_library.h"

class SArchive;
struct SRecordCursor;

// A sound effect: its sample image, and the library sounds made from it, one per volume step.
struct SSoundType {
    static constexpr int kVolumeSteps = 11;

    std::string name;
    // Header values of the sound record, kept as read; nothing plays them.
    std::array<uint16_t, 2> wordValues{};
    std::array<uint8_t, 3> byteValues{};
    // A RIFF WAVE image, which carries its own length.
    std::vector<uint8_t> sampleImage;
    std::array<std::unique_ptr<platform::Sound>, kVolumeSteps> cache;

    SNameView NameKey() const { return SNameView(name.c_str()); }
    // Takes a sound record's bytes when the sound library can play them. False, keeping nothing,
    // when it cannot; `fault` then says why.
    bool TakeImage(std::vector<uint8_t> bytes, std::string& fault);
    // The library sound for a volume step 0 .. 10, made on first use; null when the image cannot be
    // played.
    platform::Sound* CreateSound(int step);

    // The sound record, both ways: name, the five header values, from data version 110 on an
    // alignment to 4, then the image to the end of the record.
    void Serialize(SArchive& archive, int version);
    // The sound's one record. Records are read back with padding behind them, so the image is cut
    // to the length its RIFF head gives. False, with the cursor's error naming the record, when the
    // record is missing or cut short, or its image is no whole RIFF image.
    bool Load(SRecordCursor& cursor, const char* what);
    void Write(SRecordList& records, int version);

private:
    bool trimImage();
};
