#pragma once
// SName: the name key at the start of named records, and the two name hashes that tables find
// their records by.
#include <cstdint>

class SArchive;

// 16-bit hash of a whole name; a null text gives 0. Characters count as signed bytes, so the hash
// is the same on every platform whatever its char signedness.
uint16_t HashName(const char* text);
// 16-bit hash of the first five characters; a null or empty text gives 0.
uint16_t HashName5(const char* text);

// A name with both hashes. The text is either a heap copy the name owns, or a pointer into a
// loaded record buffer that must outlive the name.
class SName {
public:
    SName() = default;
    SName(const SName&) = delete;
    SName& operator=(const SName&) = delete;
    ~SName() { Release(); }

    const char* Text() const { return m_text; }
    uint16_t Hash() const { return m_hash; }
    uint16_t ShortHash() const { return m_shortHash; }
    bool OwnsText() const { return m_ownsText; }

    // Owning: keeps a copy of text; otherwise keeps the pointer. Recomputes both hashes.
    void Set(const char* text);
    // Frees an owned text; the name becomes null with hashes 0.
    void Release();
    // From now on the name owns its text; a borrowed text already held is copied.
    void SetOwned();
    // The stored hash is compared first, so that texts are compared only on a hash match.
    bool Matches(const char* text, uint16_t hash) const;
    // The text as a C string; on reading, an owned copy or a pointer into the record, and the
    // hashes computed from it.
    void Serialize(SArchive& archive);

private:
    const char* m_text = nullptr;
    uint16_t m_hash = 0;
    uint16_t m_shortHash = 0;
    bool m_ownsText = false;
};

// The name key of a record that keeps its name as a std::string, so that the record stays an
// ordinary copyable value: the hash is worked out each time the key is made.
class SNameView {
public:
    explicit SNameView(const char* text) : m_text(text), m_hash(HashName(text)) {}
    uint16_t Hash() const { return m_hash; }
    bool Matches(const char* text, uint16_t hash) const;

private:
    const char* m_text;
    uint16_t m_hash;
};
