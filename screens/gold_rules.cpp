#include "screens/gold_rules.h"

#include <algorithm>

#include "data/player/item_phrase.h"
#include "data/player/player.h"
#include "engine/base/string.h"

uint32_t ClampGold(uint64_t amount) { return uint32_t(std::min<uint64_t>(amount, SPlayer::kMaxGold)); }

uint32_t GoldAfterIncome(uint32_t held, uint64_t income) { return ClampGold(uint64_t(held) + ClampGold(income)); }

uint32_t GoldAfterPayment(uint32_t held, uint64_t payment) { return payment < held ? uint32_t(held - payment) : 0; }

void FormatGold(uint32_t amount, SString& out) { out.Format("%u%c", amount, kCoinSign); }
