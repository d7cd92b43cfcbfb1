#include "engine/base/archive.h"

#include <algorithm>
#include <cstring>

#include "engine/base/c_string.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

void SArchive::OpenRead(const uint8_t* data, uint32_t size) {
    FreeBuffer();
    m_writing = false;
    m_failed = false;
    m_data = data;
    m_size = data ? size : 0;
}

void SArchive::OpenWrite() {
    FreeBuffer();
    m_writing = true;
    m_failed = false;
}

void SArchive::Rewind() {
    m_cursor = 0;
    m_failed = false;
    if (m_writing) m_buffer.clear();
}

void SArchive::FreeBuffer() {
    m_buffer = {};
    m_data = nullptr;
    m_size = 0;
    m_cursor = 0;
}

void SArchive::Fail() {
    if (!m_failed) m_failedAt = m_cursor;
    m_failed = true;
}

const uint8_t* SArchive::Take(uint32_t n) {
    if (m_failed) return nullptr;
    if (m_size - m_cursor < n) {
        Fail();
        return nullptr;
    }
    const uint8_t* bytes = m_data + m_cursor;
    m_cursor += n;
    return bytes;
}

uint8_t* SArchive::Put(uint32_t n) {
    // The new bytes start as zeros, which is what pad bytes must be.
    m_buffer.resize(m_buffer.size() + n);
    m_cursor += n;
    return m_buffer.data() + m_cursor - n;
}

void SArchive::Align(uint32_t n) {
    const uint32_t pad = (n - m_cursor % n) % n;
    if (m_writing) {
        Put(pad);
    } else if (!m_failed) {
        // Padding at the very end of a record is not an error; a read after it is.
        m_cursor = std::min(m_cursor + pad, m_size);
    }
}

void SArchive::Skip(uint32_t n) {
    if (m_writing) {
        Put(n);
    } else {
        Take(n);
    }
}

template <typename T>
void SArchive::SerializeNumber(T& value) {
    Align(sizeof(T));
    if (m_writing) {
        uint8_t* bytes = Put(sizeof(T));
        for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
        return;
    }
    const uint8_t* bytes = Take(sizeof(T));
    T loaded = 0;
    for (size_t i = 0; bytes && i < sizeof(T); ++i) loaded |= static_cast<T>(static_cast<T>(bytes[i]) << (8 * i));
    value = loaded;
}

void SArchive::SerializeU8(uint8_t& value) { SerializeNumber(value); }
void SArchive::SerializeU16(uint16_t& value) { SerializeNumber(value); }
void SArchive::SerializeU32(uint32_t& value) { SerializeNumber(value); }

void SArchive::SerializeI16(int16_t& value) {
    auto bits = static_cast<uint16_t>(value);
    SerializeNumber(bits);
    value = static_cast<int16_t>(bits);
}

void SArchive::SerializeI32(int32_t& value) {
    auto bits = static_cast<uint32_t>(value);
    SerializeNumber(bits);
    value = static_cast<int32_t>(bits);
}

bool SArchive::SerializeTag(uint8_t tag) {
    if (m_writing) {
        SerializeU8(tag);
        return true;
    }
    if (m_failed || m_cursor >= m_size || m_data[m_cursor] != tag) return false;
    ++m_cursor;
    return true;
}

void SArchive::SerializeBytes(void* data, uint32_t n) {
    if (n == 0) return;
    if (m_writing) {
        std::memcpy(Put(n), data, n);
        return;
    }
    const uint8_t* bytes = Take(n);
    if (bytes) {
        std::memcpy(data, bytes, n);
    } else {
        std::memset(data, 0, n);
    }
}

const char* SArchive::TakeCStr() {
    if (m_failed) return nullptr;
    if (m_cursor >= m_size) {
        Fail();
        return nullptr;
    }
    const void* end = std::memchr(m_data + m_cursor, '\0', m_size - m_cursor);
    if (!end) {
        Fail();
        return nullptr;
    }
    const auto text = reinterpret_cast<const char*>(m_data + m_cursor);
    m_cursor = static_cast<uint32_t>(static_cast<const uint8_t*>(end) - m_data) + 1;
    return text;
}

void SArchive::PutCStr(const char* text) {
    const auto length = static_cast<uint32_t>(StrLen(text));
    uint8_t* bytes = Put(length + 1);
    if (length) std::memcpy(bytes, text, length);
}

void SArchive::SerializeCStr(const char*& text) {
    if (m_writing) {
        PutCStr(text);
        return;
    }
    const char* stored = TakeCStr();
    text = stored && *stored ? stored : nullptr;
}

void SArchive::SerializeCStrCopy(char*& text) {
    if (m_writing) {
        PutCStr(text);
        return;
    }
    const char* stored = TakeCStr();
    delete[] text;
    text = stored && *stored ? StrDup(stored) : nullptr;
}

void SArchive::SerializeSString(SString& text) {
    if (m_writing) {
        PutCStr(text.Text());
        return;
    }
    const char* stored = TakeCStr();
    text.Assign(stored ? stored : "");
}

void SArchive::SerializeString(std::string& text) {
    const char* stored = text.c_str();
    SerializeCStr(stored);
    if (!m_writing) text.assign(stored ? stored : "");
}

void SArchive::SerializeName(SName& name) { name.Serialize(*this); }

void SArchive::SerializeBlob(const uint8_t*& data, uint16_t& length) {
    SerializeU16(length);
    if (m_writing) {
        uint8_t* bytes = Put(length);
        if (data && length) std::memcpy(bytes, data, length);
        return;
    }
    const uint8_t* bytes = Take(length);
    if (!bytes) length = 0;
    data = length ? bytes : nullptr;
}
