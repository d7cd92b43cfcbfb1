#pragma once
// What the merchant says to an item the player offers, in the order the merchant thinks it: a
// thing nobody may sell, a class the merchant does not trade in, a merchant who buys nothing, a
// price above what the merchant can pay (a deal at the merchant's maximum is offered), or a sale.
#include <cstdint>

class SString;

enum class SSaleVerdict { kSell, kNeverSold, kNotTraded, kBuysNothing, kAskDeal };

struct SSaleOffer {
    bool neverSold = false;       // the item type's no-sale flag
    bool merchantTrades = false;  // the item's class bit is in the merchant's mask
    uint32_t maxPrice = 0;        // 0: the merchant buys nothing
    uint32_t price = 0;           // the entry's price, the player's skill already in it
    bool forced = false;          // the player took the deal at the maximum
};

SSaleVerdict JudgeSale(const SSaleOffer& offer);
// What the merchant pays for a sale that goes through: the price, at most the maximum.
uint32_t SaleAmount(const SSaleOffer& offer);

// The gold and the pack in the shop's status line, in the layout of the screen type; the text is
// before the rewriting into the small digits. Weights are in hundredths.
void FormatShopStatus(uint32_t screenType, uint32_t gold, uint32_t weight, uint32_t capacity, SString& out);
