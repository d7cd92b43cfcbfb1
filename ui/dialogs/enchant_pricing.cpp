#include "ui/dialogs/enchant_pricing.h"

#include <algorithm>
#include <limits>

#include "data/player/item_phrase.h"
#include "engine/base/format_count.h"
#include "game/game_data.h"

uint32_t EnchantPriceFactor(const SGameData& game, const SNpcType& host) {
    const SGlobalVar* global = host.globalName.IsEmpty() ? nullptr : game.m_globals.Find(host.globalName.Text());
    if (global != nullptr && global->m_value.Number() > 0) return uint32_t(global->m_value.Number());
    return host.roomPrice;
}

uint32_t ApplyPriceFactor(int64_t price, uint32_t factor) {
    const int64_t scaled = std::max<int64_t>(price, 0) * factor / 10;
    return uint32_t(std::min<int64_t>(scaled, std::numeric_limits<uint32_t>::max()));
}

void FormatGoldAmount(uint32_t amount, SString& out) {
    FormatGoldShort(amount, out);
    out.AppendFormat("%c", kCoinSign);
}
