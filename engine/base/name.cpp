#include "engine/base/name.h"

#include "engine/base/archive.h"
#include "engine/base/c_string.h"

namespace {

// A character sign-extended and shifted within 32 bits, without shifting a negative value.
uint32_t Shifted(char c, int shift) {
    return static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c))) << shift;
}

}  // namespace

uint16_t HashName(const char* text) {
    if (!text) return 0;
    uint32_t hash = static_cast<uint16_t>(StrLen(text));
    for (int i = 0; text[i]; ++i) hash ^= Shifted(text[i], i % 11) & 0xFFFF;
    return static_cast<uint16_t>(hash);
}

uint16_t HashName5(const char* text) {
    if (!text) return 0;
    uint32_t hash = 0;
    for (int i = 0; i < 5 && text[i]; ++i) hash = (hash ^ Shifted(text[i], i)) & 0xFFFF;
    return static_cast<uint16_t>(hash);
}

void SName::Set(const char* text) {
    const char* kept = m_ownsText ? StrDup(text) : text;
    Release();
    m_text = kept;
    m_hash = HashName(m_text);
    m_shortHash = HashName5(m_text);
}

void SName::Release() {
    if (m_ownsText) delete[] m_text;
    m_text = nullptr;
    m_hash = 0;
    m_shortHash = 0;
}

void SName::SetOwned() {
    if (m_ownsText) return;
    m_ownsText = true;
    m_text = StrDup(m_text);
}

bool SName::Matches(const char* text, uint16_t hash) const {
    return text && m_hash == hash && StrCmp(m_text, text) == 0;
}

bool SNameView::Matches(const char* text, uint16_t hash) const {
    return text && m_hash == hash && StrCmp(m_text, text) == 0;
}

void SName::Serialize(SArchive& archive) {
    if (archive.IsWriting()) {
        archive.SerializeCStr(m_text);
        return;
    }
    const char* text = nullptr;
    archive.SerializeCStr(text);
    Set(text);
}
