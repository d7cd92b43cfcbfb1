#pragma once
// Counts shortened to fit narrow item texts.
#include <cstdint>

class SString;

// A short count: "9999", "10K", "1M".
void FormatCount(uint32_t value, SString& out);

// A short gold amount for prices: "9999", "10K", "1M", "1B".
void FormatGoldShort(uint32_t value, SString& out);
