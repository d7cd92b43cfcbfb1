#include "engine/base/string.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>
#include <utility>

#include "engine/base/c_string.h"
#include "engine/base/format.h"
#include "engine/base/number_text.h"
#include "engine/base/replace.h"

namespace {

std::unique_ptr<char[]> CopyOf(const char* text, uint32_t capacity) {
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::strcpy(buffer.get(), text);
    return buffer;
}

}  // namespace

SString::SString() : SString(nullptr) {}

SString::SString(const char* text) {
    if (!text) text = "";
    m_capacity = (static_cast<uint32_t>(StrLen(text)) + 1) / kGrowStep * kGrowStep + kGrowStep;
    m_text = CopyOf(text, m_capacity);
}

SString::SString(const SString& other) : m_text(CopyOf(other.Text(), other.m_capacity)), m_capacity(other.m_capacity) {}

SString& SString::operator=(const SString& other) {
    if (this != &other) {
        m_text = CopyOf(other.Text(), other.m_capacity);
        m_capacity = other.m_capacity;
    }
    return *this;
}

int SString::Length() const { return StrLen(Text()); }

void SString::Assign(const char* text) {
    if (!text) return;
    const auto length = static_cast<uint32_t>(StrLen(text));
    std::unique_ptr<char[]> old;
    if (m_capacity <= length) {
        while (m_capacity <= length) m_capacity += kGrowStep;
        old = std::exchange(m_text, std::unique_ptr<char[]>(new char[m_capacity]));
    }
    std::memmove(m_text.get(), text, length + 1);
}

std::unique_ptr<char[]> SString::Grow(int n) {
    const auto needed = static_cast<uint32_t>(Length() + n + 1);
    if (m_capacity > needed) return nullptr;
    m_capacity = (needed / kGrowStep + 1) * kGrowStep;
    return std::exchange(m_text, CopyOf(Text(), m_capacity));
}

void SString::Reserve(int n) { Grow(n); }

void SString::AppendBytes(const char* text, int count) {
    const int length = Length();
    std::memmove(m_text.get() + length, text, count);
    m_text[length + count] = '\0';
}

void SString::Append(const char* text) {
    if (!text) return;
    const int count = StrLen(text);
    const auto old = Grow(count + 1);
    AppendBytes(text, count);
}

void SString::AppendN(const char* text, int n) {
    if (!text || n <= 0) return;
    const int count = std::min(n, StrLen(text));
    const auto old = Grow(n + 1);
    AppendBytes(text, count);
}

void SString::AppendChar(char c) {
    Grow(2);
    AppendBytes(&c, 1);
}

void SString::Prepend(const char* prefix) {
    if (IsEmpty()) return Append(prefix);
    if (!prefix) return;
    const std::string joined = std::string(prefix) + Text();
    Grow(StrLen(prefix) + Length());
    std::memcpy(m_text.get(), joined.c_str(), joined.size() + 1);
}

void SString::PrependChar(char c) {
    const char prefix[2] = {c, '\0'};
    Prepend(prefix);
}

void SString::FormatAt(bool append, int limit, const char* format, va_list args) {
    if (!format) return;
    // On the stack and left unfilled: prices and counts are formatted many times a frame, and a
    // cleared heap buffer each time cost more than the formatting.
    char scratch[kFormatLimit];
    const int length = FormatV(scratch, size_t(std::min(limit, kFormatLimit)), format, args);
    const int kept = append ? Length() : 0;
    if (static_cast<uint32_t>(kept + length) >= m_capacity) Grow(length + 1);
    std::memcpy(m_text.get() + kept, scratch, length + 1);
}

void SString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatAt(false, kFormatLimit, format, args);
    va_end(args);
}

void SString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatAt(true, kAppendFormatLimit, format, args);
    va_end(args);
}

void SString::ReplaceAllWith(const char* oldText, const char* newText, bool ignoreCase) {
    if (!oldText || !newText) return;
    const int growth = StrLen(newText) - StrLen(oldText);
    std::unique_ptr<char[]> old;
    if (growth > 0) {
        const int count = ignoreCase ? StrICount(Text(), oldText) : StrCount(Text(), oldText);
        old = Grow(growth * count + 1);
    }
    const auto replace = ignoreCase ? StrIReplaceAll : StrReplaceAll;
    replace(m_text.get(), static_cast<int>(m_capacity), oldText, newText);
}

void SString::ReplaceAll(const char* oldText, const char* newText) { ReplaceAllWith(oldText, newText, false); }

void SString::IReplaceAll(const char* oldText, const char* newText) { ReplaceAllWith(oldText, newText, true); }

void SString::ReplaceDay(int32_t day) {
    char text[kDecimalTextSize];
    IntToStr(day, text);
    IReplaceAll("%Day%", text);
}

void SString::ToLower() { StrLower(m_text.get()); }

SString SString::Left(int n) const {
    const std::unique_ptr<char[]> left(StrLeft(Text(), n));
    return SString(left.get());
}

SString SString::Right(int n) const {
    const std::unique_ptr<char[]> right(StrRight(Text(), n));
    return SString(right.get());
}

char SString::At(int i) const { return i >= 0 && i < Length() ? m_text[i] : '\0'; }

int SString::SetAt(int i, char c) {
    const int length = Length();
    if (i >= 0 && i < length) m_text[i] = c;
    return length;
}

bool SString::Equals(const char* text) const { return text && StrCmp(Text(), text) == 0; }
bool SString::NotEquals(const char* text) const { return !Equals(text); }
int SString::Compare(const char* text) const { return text ? StrCmp(Text(), text) : -1; }
int SString::ICompare(const char* text) const { return text ? StrICmp(Text(), text) : -1; }
int SString::Find(const char* sub) const { return sub ? StrFind(Text(), sub) : -1; }
int SString::IFind(const char* sub) const { return sub ? StrIFind(Text(), sub) : -1; }
