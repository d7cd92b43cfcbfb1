#pragma once
// What an enchanter charges: the price of recharging and enchanting in tenths of the enchanter's
// price factor, and the gold amounts the enchanting dialogs show.
#include <cstdint>

class SGameData;
class SNpcType;
class SString;

// The enchanter's price factor in tenths (10 asks the plain price): the value of the script global
// the person names when it exists and is above 0, else the person's level byte, which also prices
// the rooms of the person's inn.
uint32_t EnchantPriceFactor(const SGameData& game, const SNpcType& host);
// price x factor / 10, computed wide and clamped: never below 0, never past the largest u32.
uint32_t ApplyPriceFactor(int64_t price, uint32_t factor);
// The amount in the short gold form, then the coin sign.
void FormatGoldAmount(uint32_t amount, SString& out);
