#pragma once
// How the screens count gold: the player never holds more than the cap, a payment never takes the
// purse below nothing, and a price worked out from factors is figured in 64 bits so that it
// cannot wrap before it is held at the cap.
#include <cstdint>

class SString;

// A price or a reward of any size, as an amount of gold: at most the cap.
uint32_t ClampGold(uint64_t amount);
// The purse after an income: at most the cap.
uint32_t GoldAfterIncome(uint32_t held, uint64_t income);
// The purse after a payment: nothing when the payment is larger than the purse.
uint32_t GoldAfterPayment(uint32_t held, uint64_t payment);
// An amount in a text: the number in full and the gold glyph.
void FormatGold(uint32_t amount, SString& out);
