#include "engine/base/c_string.h"

#include <cstring>

namespace {

char Unchanged(char c) { return c; }

// Compares as signed bytes after mapping each through fold.
template <char (*Fold)(char)>
int Compare(const char* a, const char* b) {
    if (!a) return 1;
    if (!b) return -1;
    while (*a && Fold(*a) == Fold(*b)) {
        ++a;
        ++b;
    }
    return static_cast<signed char>(Fold(*a)) - static_cast<signed char>(Fold(*b));
}

template <char (*Fold)(char)>
bool MatchesAt(const char* text, const char* sub) {
    for (; *sub; ++text, ++sub) {
        if (!*text || Fold(*text) != Fold(*sub)) return false;
    }
    return true;
}

template <char (*Fold)(char)>
int Find(const char* text, const char* sub) {
    if (!text || !sub || !*sub) return -1;
    for (int i = 0; text[i]; ++i) {
        if (MatchesAt<Fold>(text + i, sub)) return i;
    }
    return -1;
}

template <char (*Fold)(char)>
int Count(const char* text, const char* sub) {
    if (!text || !sub || !*sub) return 0;
    const int subLength = StrLen(sub);
    int count = 0;
    for (int at = Find<Fold>(text, sub); at >= 0; at = Find<Fold>(text, sub)) {
        ++count;
        text += at + subLength;
    }
    return count;
}

// n characters, but no fewer than none and no more than the text has.
int ClampCount(int n, int length) { return n < 0 ? 0 : (n < length ? n : length); }

char* NewCopy(const char* text, int length) {
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

}  // namespace

int StrLen(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

int StrCmp(const char* a, const char* b) { return Compare<Unchanged>(a, b); }
int StrICmp(const char* a, const char* b) { return Compare<CharToLower>(a, b); }

int StrFind(const char* text, const char* sub) { return Find<Unchanged>(text, sub); }
int StrIFind(const char* text, const char* sub) { return Find<CharToLower>(text, sub); }

int StrFindChar(const char* text, char c) {
    if (!text) return -1;
    for (int i = 0; text[i]; ++i) {
        if (text[i] == c) return i;
    }
    return -1;
}

int StrCount(const char* text, const char* sub) { return Count<Unchanged>(text, sub); }
int StrICount(const char* text, const char* sub) { return Count<CharToLower>(text, sub); }

void StrCopy(char* dst, const char* src) {
    if (dst && src) std::strcpy(dst, src);
}

void StrNCopy(char* dst, const char* src, int n) {
    if (!dst || !src) return;
    int i = 0;
    for (; i < n && src[i]; ++i) dst[i] = src[i];
    dst[i] = '\0';
}

void StrCat(char* dst, const char* src) {
    if (dst && src) std::strcat(dst, src);
}

void StrNCat(char* dst, const char* src, int n) {
    if (dst && src) StrNCopy(dst + StrLen(dst), src, n);
}

void StrAppendChar(char* text, char c) {
    if (!text) return;
    const int length = StrLen(text);
    text[length] = c;
    text[length + 1] = '\0';
}

void StrToWide(wchar_t* dst, const char* src) {
    if (!dst || !src) return;
    do {
        *dst++ = static_cast<wchar_t>(static_cast<unsigned char>(*src));
    } while (*src++);
}

void StrLower(char* text) {
    for (; text && *text; ++text) *text = CharToLower(*text);
}

char CharToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char CharToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void StrReverse(char* text) {
    for (int i = 0, j = StrLen(text) - 1; i < j; ++i, --j) {
        const char c = text[i];
        text[i] = text[j];
        text[j] = c;
    }
}

char* StrDup(const char* text) { return text ? NewCopy(text, StrLen(text)) : nullptr; }

char* StrLeft(const char* text, int n) {
    if (!text) return nullptr;
    return NewCopy(text, ClampCount(n, StrLen(text)));
}

char* StrRight(const char* text, int n) {
    if (!text) return nullptr;
    const int length = StrLen(text);
    const int count = ClampCount(n, length);
    return NewCopy(text + length - count, count);
}

const char* ArticleFor(const char* word) { return word && *word && std::strchr("aeiouAEIOU", *word) ? "an" : "a"; }
