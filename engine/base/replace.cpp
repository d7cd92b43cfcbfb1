#include "engine/base/replace.h"

#include <string>

#include "engine/base/c_string.h"

namespace {

void ReplaceAll(char* text, int capacity, const char* oldText, const char* newText,
                int (*find)(const char*, const char*)) {
    if (!text || capacity <= 0 || StrLen(oldText) == 0) return;
    const int oldLength = StrLen(oldText);
    std::string result;
    const char* rest = text;
    for (int at = find(rest, oldText); at >= 0; at = find(rest, oldText)) {
        result.append(rest, at);
        if (newText) result.append(newText);
        rest += at + oldLength;
    }
    result.append(rest);
    StrNCopy(text, result.c_str(), capacity - 1);
}

}  // namespace

void StrReplaceAll(char* text, int capacity, const char* oldText, const char* newText) {
    ReplaceAll(text, capacity, oldText, newText, StrFind);
}

void StrIReplaceAll(char* text, int capacity, const char* oldText, const char* newText) {
    ReplaceAll(text, capacity, oldText, newText, StrIFind);
}
