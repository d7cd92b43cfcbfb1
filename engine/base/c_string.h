#pragma once
// Helpers on the 8-bit, NUL-terminated texts that names and screen texts are made of. Every helper
// accepts null pointers and treats them as its comment says; characters are
// compared as signed bytes and only A-Z / a-z change case.

// Length of a text; null gives 0.
int StrLen(const char* text);

// Difference of the first differing characters, 0 when equal. A null text sorts after every text:
// null a gives 1, null b gives -1.
int StrCmp(const char* a, const char* b);
// As StrCmp with A-Z folded to a-z; the sign follows the folded order.
int StrICmp(const char* a, const char* b);

// Index of the first occurrence of sub, -1 when absent or when either text is null or empty.
int StrFind(const char* text, const char* sub);
int StrIFind(const char* text, const char* sub);
// Index of the first c, -1 when absent or for a null text.
int StrFindChar(const char* text, char c);
// Non-overlapping occurrences of sub; 0 when either is null or sub is empty.
int StrCount(const char* text, const char* sub);
int StrICount(const char* text, const char* sub);

// The copy and append helpers do nothing when either pointer is null. The destination must have
// room for the result and its terminator.
void StrCopy(char* dst, const char* src);
void StrNCopy(char* dst, const char* src, int n);
void StrCat(char* dst, const char* src);
void StrNCat(char* dst, const char* src, int n);
void StrAppendChar(char* text, char c);

// Widens each byte as its Latin-1 code point, terminator included.
void StrToWide(wchar_t* dst, const char* src);

void StrLower(char* text);
char CharToUpper(char c);
char CharToLower(char c);
void StrReverse(char* text);

// New texts allocated with new[]; the caller releases them with delete[]. A null text gives null.
char* StrDup(const char* text);
// The first or last n characters, or the whole text when it is not longer than n.
char* StrLeft(const char* text, int n);
char* StrRight(const char* text, int n);

// "an" before a word that starts with a vowel, else "a".
const char* ArticleFor(const char* word);
