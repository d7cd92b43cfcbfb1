#include "screens/shop/shop_rules.h"

#include <algorithm>

#include "engine/base/format_count.h"
#include "engine/base/string.h"

namespace {

constexpr char kShopRulesGoldGlyph = 9;

}  // namespace

SSaleVerdict JudgeSale(const SSaleOffer& offer) {
    if (offer.neverSold) return SSaleVerdict::kNeverSold;
    if (!offer.merchantTrades) return SSaleVerdict::kNotTraded;
    if (offer.maxPrice == 0) return SSaleVerdict::kBuysNothing;
    if (offer.maxPrice < offer.price && !offer.forced) return SSaleVerdict::kAskDeal;
    return SSaleVerdict::kSell;
}

uint32_t SaleAmount(const SSaleOffer& offer) { return std::min(offer.maxPrice, offer.price); }

void FormatShopStatus(uint32_t screenType, uint32_t gold, uint32_t weight, uint32_t capacity, SString& out) {
    SString goldText;
    FormatGoldShort(gold, goldText);
    const unsigned whole = weight / 100, tenth = weight % 100 / 10;
    const unsigned wholeCap = capacity / 100, tenthCap = capacity % 100 / 10;
    // Each layout takes exactly its own arguments: only the widest lines have room for the glyph.
    switch (screenType) {
        case 5:
        case 8: out.Format("Gold:\r%s\rPack:\r%u.%u/%u.%u", goldText.Text(), whole, tenth, wholeCap, tenthCap); break;
        case 7: out.Format("Gold:%s\rPack:\r%u.%u/%u.%u", goldText.Text(), whole, tenth, wholeCap, tenthCap); break;
        case 2:
        case 6:
        case 12:
        case 13: out.Format("Gold:%s, Pack:%u.%u/%u.%u", goldText.Text(), whole, tenth, wholeCap, tenthCap); break;
        default:
            out.Format("Gold: %s%c     Pack: %u.%u/%u.%u", goldText.Text(), kShopRulesGoldGlyph, whole, tenth, wholeCap,
                       tenthCap);
            break;
    }
}
