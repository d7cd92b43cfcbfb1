#pragma once
// SString: the game's growable text.
#include <cstdarg>
#include <cstdint>
#include <memory>

// A NUL-terminated text in a heap buffer whose capacity grows in steps of 10 bytes, so that the
// small heap of the device sees few reallocations. The text is never null and always shorter than
// the capacity.
class SString {
public:
    static constexpr uint32_t kGrowStep = 10;
    // The largest results of Format and AppendFormat, terminator included; longer ones are cut.
    static constexpr int kFormatLimit = 5000;
    static constexpr int kAppendFormatLimit = 1000;

    SString();
    // A null text gives an empty string.
    explicit SString(const char* text);
    SString(const SString& other);
    SString& operator=(const SString& other);

    const char* Text() const { return m_text.get(); }
    uint32_t Capacity() const { return m_capacity; }
    int Length() const;
    bool IsEmpty() const { return m_text[0] == '\0'; }

    // A null text leaves the string unchanged.
    void Assign(const char* text);
    // Makes room for n more bytes beyond the text and its terminator.
    void Reserve(int n);
    void Append(const char* text);
    void AppendN(const char* text, int n);
    void AppendChar(char c);
    void Prepend(const char* prefix);
    void PrependChar(char c);
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void ReplaceAll(const char* oldText, const char* newText);
    void IReplaceAll(const char* oldText, const char* newText);
    // Puts the day number in place of every "%Day%", in any letter case.
    void ReplaceDay(int32_t day);
    void ToLower();

    SString Left(int n) const;
    SString Right(int n) const;

    // 0 outside the text.
    char At(int i) const;
    // Changes nothing outside the text; returns the length.
    int SetAt(int i, char c);

    // A null text is never equal and compares as -1.
    bool Equals(const char* text) const;
    bool NotEquals(const char* text) const;
    int Compare(const char* text) const;
    int ICompare(const char* text) const;
    // -1 when absent or for a null sub.
    int Find(const char* sub) const;
    int IFind(const char* sub) const;

private:
    // Grows the buffer when it cannot hold n more bytes beyond the text and its terminator. The
    // replaced buffer is handed back, so that a caller whose argument points into it can finish.
    std::unique_ptr<char[]> Grow(int n);
    void AppendBytes(const char* text, int count);
    // Formats into a scratch buffer of limit bytes and replaces the text, or appends to it.
    void FormatAt(bool append, int limit, const char* format, va_list args);
    void ReplaceAllWith(const char* oldText, const char* newText, bool ignoreCase);

    std::unique_ptr<char[]> m_text;
    uint32_t m_capacity;
};
