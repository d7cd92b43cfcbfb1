#include "engine/base/number_text.h"

#include "engine/base/c_string.h"

namespace {

// Digits least significant first, then the sign, then turned around.
void WriteDecimal(uint32_t magnitude, bool negative, char* text) {
    if (!text) return;
    char* end = text;
    do {
        *end++ = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (negative) *end++ = '-';
    *end = '\0';
    StrReverse(text);
}

}  // namespace

void UIntToStr(uint32_t value, char* text) { WriteDecimal(value, false, text); }

void IntToStr(int32_t value, char* text) {
    // Negating in unsigned arithmetic keeps the most negative value exact.
    const uint32_t bits = static_cast<uint32_t>(value);
    WriteDecimal(value < 0 ? 0u - bits : bits, value < 0, text);
}

int32_t StrToInt(const char* text) {
    if (!text) return 0;
    while (*text == ' ') ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + static_cast<uint32_t>(*text - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

int16_t StrToShort(const char* text) { return static_cast<int16_t>(StrToInt(text)); }
