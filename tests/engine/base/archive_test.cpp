#include "engine/base/archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/base/c_string.h"
#include "engine/base/name.h"
#include "engine/base/string.h"
#include "script/script_value.h"

namespace archive_test {

namespace {

std::vector<uint8_t> Written(const SArchive& archive) {
    return std::vector<uint8_t>(archive.Data(), archive.Data() + archive.GetSize());
}

// A record with a field of every kind, serialized in both directions by one routine.
struct CompositeRecord {
    CompositeRecord() { name.SetOwned(); }
    ~CompositeRecord() { delete[] copied; }

    uint8_t kind = 0;
    uint16_t count = 0;
    uint32_t flags = 0;
    const char* label = nullptr;
    int32_t offset = 0;
    char* copied = nullptr;
    int16_t delta = 0;
    SString title;
    SName name;
    const uint8_t* blob = nullptr;
    uint16_t blobLength = 0;
    SScriptValue number;
    SScriptValue text;
    bool hasExtra = false;
    uint8_t extra = 0;

    void Serialize(SArchive& archive) {
        archive.SerializeTag('R');
        archive.SerializeU8(kind);
        archive.SerializeU16(count);
        archive.SerializeU32(flags);
        archive.SerializeCStr(label);
        archive.SerializeI32(offset);
        archive.SerializeCStrCopy(copied);
        archive.SerializeI16(delta);
        archive.SerializeSString(title);
        archive.SerializeName(name);
        archive.SerializeBlob(blob, blobLength);
        number.Serialize(archive, archive.IsWriting());
        text.Serialize(archive, archive.IsWriting());
        // An optional part: written only when present, read only when its tag is there.
        if ((!archive.IsWriting() || hasExtra) && archive.SerializeTag('X')) {
            hasExtra = true;
            archive.SerializeU8(extra);
        }
    }
};

const uint8_t kBlob[] = {1, 2, 3};

void Fill(CompositeRecord& record) {
    record.kind = 7;
    record.count = 0x1234;
    record.flags = 0xA1B2C3D4;
    record.label = "ab";
    record.offset = -2;
    record.copied = new char[4]{'x', 'y', 'z', '\0'};
    record.delta = -3;
    record.title.Assign("T");
    record.name.Set("nm");
    record.blob = kBlob;
    record.blobLength = sizeof kBlob;
    record.number.SetNumber(-5);
    record.text.SetText("12ab");
    record.hasExtra = true;
    record.extra = 9;
}

// The bytes of the filled record. A change here means saved games and data packages change.
const std::vector<uint8_t> kCompositeBytes = {
    'R',                             // 0: tag
    7,                               // 1: kind
    0x34, 0x12,                      // 2: count, already at an even offset
    0xD4, 0xC3, 0xB2, 0xA1,          // 4: flags, already at a multiple of 4
    'a',  'b',  0,                   // 8: label
    0,                               // 11: pad to 4
    0xFE, 0xFF, 0xFF, 0xFF,          // 12: offset -2
    'x',  'y',  'z',  0,             // 16: copied text
    0xFD, 0xFF,                      // 20: delta -3
    'T',  0,                         // 22: title
    'n',  'm',  0,                   // 24: name
    0,                               // 27: pad to 2
    3,    0,    1,    2,    3,       // 28: blob length and bytes
    0,                               // 33: number value: is-text 0
    0,    0,                         // 34: pad to 4
    0xFB, 0xFF, 0xFF, 0xFF,          // 36: -5
    1,    '1',  '2',  'a',  'b', 0,  // 40: text value: is-text 1 and its text
    'X',  9,                         // 46: optional part
};
constexpr uint32_t kSizeWithoutExtra = 46;

std::vector<uint8_t> WriteComposite() {
    CompositeRecord record;
    Fill(record);
    SArchive archive;
    archive.OpenWrite();
    record.Serialize(archive);
    return Written(archive);
}

TEST(Archive, compositeRecordWritesItsExactBytes) { EXPECT_EQ(WriteComposite(), kCompositeBytes); }

TEST(Archive, compositeRecordReadsBackAtAnOddAddress) {
    const std::vector<uint8_t> bytes = WriteComposite();
    // Alignment counts from the record start, so an odd buffer address must not move anything.
    std::vector<uint8_t> buffer(bytes.size() + 1);
    std::memcpy(buffer.data() + 1, bytes.data(), bytes.size());
    ASSERT_EQ(reinterpret_cast<uintptr_t>(buffer.data() + 1) % 2, 1u);

    CompositeRecord expected;
    Fill(expected);
    CompositeRecord read;
    SArchive archive;
    archive.OpenRead(buffer.data() + 1, static_cast<uint32_t>(bytes.size()));
    read.Serialize(archive);

    EXPECT_FALSE(archive.Failed());
    EXPECT_EQ(archive.GetSize(), bytes.size());
    EXPECT_EQ(read.kind, expected.kind);
    EXPECT_EQ(read.count, expected.count);
    EXPECT_EQ(read.flags, expected.flags);
    EXPECT_STREQ(read.label, expected.label);
    EXPECT_EQ(read.label, reinterpret_cast<const char*>(buffer.data() + 1 + 8));  // inside the record
    EXPECT_EQ(read.offset, expected.offset);
    EXPECT_STREQ(read.copied, expected.copied);
    EXPECT_EQ(read.delta, expected.delta);
    EXPECT_STREQ(read.title.Text(), expected.title.Text());
    EXPECT_STREQ(read.name.Text(), expected.name.Text());
    EXPECT_EQ(read.name.Hash(), expected.name.Hash());
    EXPECT_EQ(read.name.ShortHash(), expected.name.ShortHash());
    ASSERT_EQ(read.blobLength, expected.blobLength);
    EXPECT_EQ(std::memcmp(read.blob, expected.blob, read.blobLength), 0);
    EXPECT_EQ(read.number.Number(), -5);
    EXPECT_STREQ(read.number.Text(), "-5");
    EXPECT_STREQ(read.text.Text(), "12ab");
    EXPECT_EQ(read.text.Number(), 12);
    EXPECT_TRUE(read.hasExtra);
    EXPECT_EQ(read.extra, expected.extra);
}

TEST(Archive, recordWithoutItsOptionalPartReadsWhole) {
    const std::vector<uint8_t> bytes = WriteComposite();
    CompositeRecord read;
    SArchive archive;
    archive.OpenRead(bytes.data(), kSizeWithoutExtra);
    read.Serialize(archive);
    EXPECT_FALSE(archive.Failed());
    EXPECT_FALSE(read.hasExtra);
    EXPECT_STREQ(read.text.Text(), "12ab");
}

// Each cut copy lives in a heap block of exactly its size, so the sanitizer build reports any read
// past the end.
TEST(Archive, everyTruncatedCopyFailsInsideItsBytes) {
    const std::vector<uint8_t> bytes = WriteComposite();
    for (uint32_t size = 0; size < bytes.size(); ++size) {
        if (size == kSizeWithoutExtra) continue;
        SCOPED_TRACE(size);
        const std::unique_ptr<uint8_t[]> cut(new uint8_t[size]);
        std::memcpy(cut.get(), bytes.data(), size);
        CompositeRecord read;
        SArchive archive;
        archive.OpenRead(cut.get(), size);
        read.Serialize(archive);
        EXPECT_TRUE(archive.Failed());
        EXPECT_LE(archive.FailedAt(), size);
        EXPECT_LE(archive.GetSize(), size);
    }
}

TEST(Archive, numberAfterAByteIsPaddedWithZeros) {
    SArchive archive;
    archive.OpenWrite();
    uint8_t byte = 0xEE;
    uint32_t word = 0x04030201;
    archive.SerializeU8(byte);
    archive.SerializeU32(word);
    EXPECT_EQ(Written(archive), (std::vector<uint8_t>{0xEE, 0, 0, 0, 1, 2, 3, 4}));
}

TEST(Archive, sizeCountsPadding) {
    SArchive archive;
    archive.OpenWrite();
    uint8_t byte = 1;
    uint16_t half = 2;
    const char* text = "ab";
    archive.SerializeU8(byte);
    archive.SerializeU16(half);
    archive.SerializeCStr(text);
    EXPECT_EQ(archive.GetSize(), 7u);
}

TEST(Archive, nullAndEmptyTextsAreOneNul) {
    SArchive writer;
    writer.OpenWrite();
    const char* null = nullptr;
    const char* empty = "";
    writer.SerializeCStr(null);
    writer.SerializeCStr(empty);
    const std::vector<uint8_t> bytes = Written(writer);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 0}));

    SArchive reader;
    reader.OpenRead(bytes.data(), static_cast<uint32_t>(bytes.size()));
    const char* pointer = "old";
    SString text("old");
    reader.SerializeCStr(pointer);
    reader.SerializeSString(text);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_STREQ(text.Text(), "");
    EXPECT_FALSE(reader.Failed());
}

TEST(Archive, tagMismatchLeavesTheCursor) {
    const uint8_t bytes[] = {5, 6};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    EXPECT_FALSE(archive.SerializeTag(6));
    uint8_t value = 0;
    archive.SerializeU8(value);
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(archive.SerializeTag(6));
    EXPECT_FALSE(archive.SerializeTag(7));  // at the end: absent, not an error
    EXPECT_FALSE(archive.Failed());
}

TEST(Archive, emptyBlobIsItsLengthAlone) {
    SArchive writer;
    writer.OpenWrite();
    uint8_t byte = 0xAA;
    const uint8_t* none = nullptr;
    uint16_t length = 0;
    writer.SerializeU8(byte);
    writer.SerializeBlob(none, length);
    const std::vector<uint8_t> bytes = Written(writer);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xAA, 0, 0, 0}));

    SArchive reader;
    reader.OpenRead(bytes.data(), static_cast<uint32_t>(bytes.size()));
    const uint8_t* data = kBlob;
    length = 9;
    reader.SerializeU8(byte);
    reader.SerializeBlob(data, length);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(reader.Failed());
}

TEST(Archive, blobLongerThanTheRecordFails) {
    const uint8_t bytes[] = {200, 0, 1, 2};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    const uint8_t* data = kBlob;
    uint16_t length = 0;
    archive.SerializeBlob(data, length);
    EXPECT_TRUE(archive.Failed());
    EXPECT_EQ(archive.FailedAt(), 2u);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(length, 0);
}

TEST(Archive, unterminatedTextFailsAndReadsEmpty) {
    const uint8_t bytes[] = {'a', 'b'};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    char* copy = StrDup("old");
    archive.SerializeCStrCopy(copy);
    EXPECT_EQ(copy, nullptr);
    EXPECT_TRUE(archive.Failed());
}

TEST(Archive, failureIsStickyUntilRewind) {
    const uint8_t bytes[] = {1, 2, 3};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    uint32_t word = 99;
    archive.SerializeU32(word);
    EXPECT_EQ(word, 0u);
    uint8_t byte = 99;
    archive.SerializeU8(byte);  // a byte is there, but the record is already known to be bad
    EXPECT_EQ(byte, 0);
    EXPECT_TRUE(archive.Failed());
    EXPECT_EQ(archive.FailedAt(), 0u);

    archive.Rewind();
    archive.SerializeU8(byte);
    EXPECT_EQ(byte, 1);
    EXPECT_FALSE(archive.Failed());
}

TEST(Archive, skipMovesOnAndWritesZeros) {
    SArchive writer;
    writer.OpenWrite();
    uint8_t byte = 7;
    writer.Skip(3);
    writer.SerializeU8(byte);
    EXPECT_EQ(Written(writer), (std::vector<uint8_t>{0, 0, 0, 7}));

    const std::vector<uint8_t> bytes = Written(writer);
    SArchive reader;
    reader.OpenRead(bytes.data(), static_cast<uint32_t>(bytes.size()));
    reader.Skip(3);
    reader.SerializeU8(byte);
    EXPECT_EQ(byte, 7);
    reader.Skip(1);
    EXPECT_TRUE(reader.Failed());
}

TEST(Archive, writingGrowsPastTheDevicesBufferSize) {
    std::vector<uint8_t> large(100000, 0x5A);
    SArchive archive;
    archive.OpenWrite();
    archive.SerializeBytes(large.data(), static_cast<uint32_t>(large.size()));
    EXPECT_EQ(archive.GetSize(), large.size());
    EXPECT_EQ(Written(archive), large);

    archive.Rewind();
    uint8_t byte = 1;
    archive.SerializeU8(byte);
    EXPECT_EQ(Written(archive), std::vector<uint8_t>{1});
}

TEST(Archive, borrowedNamePointsIntoTheRecord) {
    const uint8_t bytes[] = {'a', 'b', 'c', 0};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    SName name;
    archive.SerializeName(name);
    EXPECT_EQ(name.Text(), reinterpret_cast<const char*>(bytes));
    EXPECT_EQ(name.Hash(), 298);
    EXPECT_EQ(name.ShortHash(), 297);
}

}  // namespace

}  // namespace archive_test
