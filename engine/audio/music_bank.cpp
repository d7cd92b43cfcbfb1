#include "engine/audio/music_bank.h"

#include <algorithm>

#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {
// The slot count and pattern size joined the bank's first record after this data version.
constexpr int kPatternFieldsAfter = 65;
}  // namespace

uint32_t SMusicBank::SampleBytes(int j) const {
    const uint8_t* length = header.data() + 20 + 30 * j + 22;  // big-endian word count
    return ((uint32_t(length[0]) << 8) | length[1]) * 2;
}

std::vector<uint32_t> SampleRecordSizes(uint32_t sampleBytes) {
    if (sampleBytes <= SMusicBank::kSampleRecordBytes) return {sampleBytes};
    return {SMusicBank::kSampleRecordBytes, sampleBytes - SMusicBank::kSampleRecordBytes};
}

void SMusicBank::SerializeHead(SArchive& archive, int version) {
    archive.SerializeString(name);
    SerializeModuleHeader(archive, header);
    archive.SerializeU16(sampleCount);
    if (version > kPatternFieldsAfter) {
        archive.SerializeU16(patternSlots);
        archive.SerializeU16(patternUnits);
    }
}

bool SMusicBank::Load(SRecordCursor& cursor, const char* what) {
    if (!cursor.Read(what, [&](SArchive& archive) { SerializeHead(archive, cursor.version); })) return false;
    const std::string bank = "bank \"" + name + "\"";
    if (sampleCount > kModuleSamples)
        return cursor.Fail(what, bank + " has " + std::to_string(sampleCount) + " samples; a module holds " +
                                     std::to_string(kModuleSamples));
    samples.assign(sampleCount, {});
    for (int j = 0; j < sampleCount; ++j) {
        for (uint32_t size : SampleRecordSizes(SampleBytes(j))) {
            auto record = cursor.TakeBytes(what, size, "sample " + std::to_string(j + 1) + " of " + bank);
            if (!record) return false;
            samples[j].insert(samples[j].end(), record->bytes.begin(), record->bytes.begin() + size);
        }
    }
    return true;
}

void SMusicBank::Write(SRecordList& records, int version) {
    AppendRecord(records, [&](SArchive& archive) { SerializeHead(archive, version); });
    // A count beyond the header's samples is written as it is, but only the header's samples follow.
    for (int j = 0; j < std::min<int>(sampleCount, kModuleSamples); ++j) {
        std::vector<uint8_t> sample(SampleBytes(j), 0);
        if (j < int(samples.size()))
            std::copy_n(samples[j].begin(), std::min(samples[j].size(), sample.size()), sample.begin());
        auto from = sample.begin();
        for (uint32_t size : SampleRecordSizes(uint32_t(sample.size()))) {
            records.emplace_back(from, from + size);
            from += size;
        }
    }
}
