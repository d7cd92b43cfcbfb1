#pragma once
// Decimal numbers to and from text.
#include <cstdint>

// Room for the longest decimal text of a 32-bit number, sign and terminator included.
inline constexpr int kDecimalTextSize = 12;

// Write the decimal digits of value into text, which holds kDecimalTextSize bytes. A null text
// writes nothing.
void UIntToStr(uint32_t value, char* text);
void IntToStr(int32_t value, char* text);

// Skips leading blanks, takes one optional sign, then reads digits up to the first non-digit. A
// null text, or no digit after the sign, gives 0. Values beyond 32 bits wrap.
int32_t StrToInt(const char* text);
// The same reading kept to 16 bits.
int16_t StrToShort(const char* text);
