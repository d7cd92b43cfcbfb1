#pragma once
// SArchive: the one stream through which every record is read and written.
#include <cstdint>
#include <string>
#include <vector>

class SName;
class SString;

// Every record type has one serialize routine that calls these primitives; each primitive stores
// the caller's field when writing and loads it when reading, so the two directions cannot drift
// apart.
//
// Wire conventions: numbers little-endian; u16 aligned to 2 and u32 to 4, counted from the record
// start, with zero pad bytes; C strings are the characters and a NUL (a null text is stored as an
// empty one); blobs are aligned to 2, a u16 length and the bytes.
//
// Reading never leaves the record: a read past its end sets a sticky error, loads 0 or an empty
// text, and every later read does the same, so a loader checks Failed() once at the end. Writing
// grows its buffer as needed.
class SArchive {
public:
    SArchive() = default;
    SArchive(const SArchive&) = delete;
    SArchive& operator=(const SArchive&) = delete;

    bool IsWriting() const { return m_writing; }
    bool Failed() const { return m_failed; }
    // Offset in the record of the first read that failed.
    uint32_t FailedAt() const { return m_failedAt; }

    // Reads a record the caller keeps alive while the archive, and any text or blob pointer read
    // from it, is in use.
    void OpenRead(const uint8_t* data, uint32_t size);
    // Writes into a buffer of the archive's own.
    void OpenWrite();
    // Back to the record start; when writing, what was written is dropped. Clears the error.
    void Rewind();
    // Bytes from the record start to the cursor: the size of the record written so far.
    uint32_t GetSize() const { return m_cursor; }
    // Bytes of the record still unread; 0 when writing. For data that runs to the end of its record.
    uint32_t Remaining() const { return m_writing ? 0 : m_size - m_cursor; }
    // The record start: the bytes written, or the record being read.
    const uint8_t* Data() const { return m_writing ? m_buffer.data() : m_data; }
    void FreeBuffer();

    // Moves to the next multiple of n bytes from the record start (n is 2 or 4).
    void Align(uint32_t n);
    // Moves on n bytes; zeros when writing.
    void Skip(uint32_t n);
    void SerializeU8(uint8_t& value);
    // Writes the byte; when reading, consumes it only when it is there and says whether it was, so
    // that readers can test for optional parts.
    bool SerializeTag(uint8_t tag);
    void SerializeU16(uint16_t& value);
    void SerializeI16(int16_t& value);
    void SerializeU32(uint32_t& value);
    void SerializeI32(int32_t& value);
    // n raw bytes, no alignment.
    void SerializeBytes(void* data, uint32_t n);
    // When reading, the text points into the record (null for an empty text).
    void SerializeCStr(const char*& text);
    // When reading, frees the old text and keeps a new[] copy (null for an empty text).
    void SerializeCStrCopy(char*& text);
    void SerializeSString(SString& text);
    void SerializeString(std::string& text);
    void SerializeName(SName& name);
    // When reading, data points into the record (null for length 0). A null data with a non-zero
    // length writes zeros.
    void SerializeBlob(const uint8_t*& data, uint16_t& length);

private:
    // The next n bytes of the record to read, or null (and the error set) when fewer remain.
    const uint8_t* Take(uint32_t n);
    // Appends n bytes to the record being written and returns them.
    uint8_t* Put(uint32_t n);
    void Fail();
    // The text at the cursor up to its NUL, which is consumed; null when the record ends first.
    const char* TakeCStr();
    void PutCStr(const char* text);
    // An unsigned number, aligned to its size, little-endian.
    template <typename T>
    void SerializeNumber(T& value);

    bool m_writing = false;
    bool m_failed = false;
    uint32_t m_failedAt = 0;
    const uint8_t* m_data = nullptr;
    uint32_t m_size = 0;
    uint32_t m_cursor = 0;
    std::vector<uint8_t> m_buffer;
};
