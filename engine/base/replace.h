#pragma once
// Replacing every occurrence of one text by another, in place.

// Scans left to right; occurrences do not overlap and a replacement is never scanned again. The
// result is written back over text, cut to fit capacity bytes (terminator included). A null or
// empty oldText matches nothing.
void StrReplaceAll(char* text, int capacity, const char* oldText, const char* newText);
// The same with A-Z and a-z taken as equal when looking for oldText.
void StrIReplaceAll(char* text, int capacity, const char* oldText, const char* newText);
