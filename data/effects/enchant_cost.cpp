// What effects cost to enchant: the enchant capacity (storage) they fill and the gold they add to
// an item's price; and what a wand's charges are worth.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/effects/effect_lookups.h"
#include "data/effects/stored_percent.h"
#include "data/spells/spell_type.h"

namespace {

struct SCost {
    int64_t storage;
    int64_t price;
};

int32_t clampI32(int64_t value) {
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Damage bonuses within +-100 are plain points (b); beyond, they are stored percentages and priced
// by the per cent (a). The radius multiplies what the bonus costs (k).
struct SDamageFactors {
    // Points: storage b x b / divisor x k + perPoint x b + 50, price ((k x b + step) x b + add) x factor.
    int64_t divisor, perPoint, step, add, factor;
    // Per cent: storage (a / divisor x k + step) x a + 50, price (a / divisor x k + step) x a + 200.
    int64_t percentDivisor, percentStep, percentPriceDivisor, percentPriceStep;
};

constexpr SDamageFactors kDamageBase = {4, 6, 3, 50, 4, 17, 3, 2, 4};
constexpr SDamageFactors kDamageType = {3, 8, 3, 40, 5, 18, 3, 3, 4};
constexpr SDamageFactors kDamageAll = {2, 10, 4, 40, 5, 15, 4, 2, 5};

SCost damageCost(const SDamageFactors& f, int64_t m, int64_t k) {
    const int64_t b = std::abs(m);
    if (b > 100) {
        const int64_t a = std::abs(StoredPercent(int32_t(m)));
        return {(a / f.percentDivisor * k + f.percentStep) * a + 50,
                (a / f.percentPriceDivisor * k + f.percentPriceStep) * a + 200};
    }
    return {b * b / f.divisor * k + f.perPoint * b + 50, ((k * b + f.step) * b + f.add) * f.factor};
}

// False when the type costs nothing to add or names something the tables lack.
bool baseCost(const SEffect& e, const SEffectLookups& lookups, SEffectContext context, SCost& cost) {
    const int64_t m = e.m_baseMagnitude;
    const int64_t a = std::abs(StoredPercent(e.m_baseMagnitude));
    const int64_t k = e.m_radius != 0 ? 5 * int64_t(e.m_radius) : 1;
    switch (e.m_type) {
        case 1: cost = {15 * m, 100 * m}; return true;
        case 2: cost = {25 * m, 200 * m}; return true;
        case 3:
        case 6:
        case 9: cost = {m * m / 8, m * m / 4}; return true;
        case 4:
        case 7:
        case 55: cost = {m * m / 3, 2 * m * m}; return true;
        case 5:
        case 8:
        case 10: cost = {10 * m, 75 * m}; return true;
        case 11: cost = {20 * m, 100 * m}; return true;
        case 12:
        case 13:
        case 14:
        case 19:
        case 21: cost = {50, 50}; return true;
        case 15: cost = {10 * a, 100 * a}; return true;
        case 16: cost = {15 * a, 100 * a}; return true;
        case 17: {
            // The stronger the disease, the dearer resisting it.
            const SDisease* disease = lookups.FindDisease(e.m_target.Text());
            if (disease == nullptr) return false;
            const int64_t v = int64_t(disease->m_strength) * StoredPercent(e.m_baseMagnitude) / 10;
            cost = {15 * v, 200 * v};
            return true;
        }
        case 18: cost = {0, 0}; return true;
        case 20: cost = {10 * m, 50 * m}; return true;
        case 22:
        case 33: cost = {15 * a, 200 * a}; return true;
        case 23:
            if (lookups.FindMonsterKindName(e.m_target.Text()) == nullptr) return false;
            cost = damageCost(kDamageBase, m, k);
            return true;
        case 24: cost = damageCost(kDamageType, m, k); return true;
        case 25: cost = damageCost(kDamageAll, m, k); return true;
        case 26:
        case 27: cost = {100 * k, 1000 * k}; return true;
        case 28: cost = {400 * k, 4000 * k}; return true;
        case 29:
        case 30: cost = {200, 2000}; return true;
        case 31: {
            const SSpellType* spell = lookups.FindSpell(e.m_target.Text());
            if (spell == nullptr) return false;
            const int64_t c = spell->m_baseCost;
            cost = {c / 5 * m, c / 2 * m};
            // Wands and scrolls that cast at a fixed skill level cost by that level.
            const int64_t level = e.m_magnitudePerLevel;
            if (level != 0 && spell->HasScaledEffect() && (context == kContextWand || context == kContextScroll))
                cost = {level * cost.storage / 20, level * cost.price / 20};
            if (context == kContextSpellbook) cost.price *= 4;
            return true;
        }
        case 32:
            if (lookups.FindDisease(e.m_target.Text()) == nullptr) return false;
            cost = {100, 1000};
            return true;
        case 34: cost = {a / 8 * a + 50, a / 4 * a / 2 + 200}; return true;
        case 35: cost = {a / 6 * a + 100, a / 3 * a / 2 + 200}; return true;
        case 36:
        case 38: cost = {25 * a, 200 * a}; return true;
        case 39: cost = {400, 1000}; return true;
        case 40: cost = {300, 800}; return true;
        case 41: cost = {200, 600}; return true;
        case 43:
        case 46:
        case 47:
        case 48: cost = {100, 500}; return true;
        case 44:
        case 45: cost = {100, 400}; return true;
        case 49: cost = {300, 2000}; return true;
        case 50:
        case 51: cost = {400, 3000}; return true;
        case 52: cost = {100, 200}; return true;
        case 53: cost = {1000, 1000}; return true;
        case 56: cost = {2 * m * m, 5 * m * m}; return true;
        case 57: cost = {a, a}; return true;
        case 58: cost = {15 * std::abs(m), 100 * std::abs(m)}; return true;
        default: return false;
    }
}

}  // namespace

void SEffect::GetEnchantCost(const SEffectLookups& lookups, SEffectContext context, int32_t& storage,
                             int32_t& price) const {
    SCost cost{};
    if (!baseCost(*this, lookups, context, cost)) return;
    // Strikes of thrown weapons and ammunition are spent with the missile; charges and potions are
    // used up.
    if (context == kContextThrown) cost.price /= 2;
    if (context == kContextPotion || context == kContextWand || context == kContextScroll)
        cost.price = 2 * cost.price / 3;
    storage = clampI32(cost.storage);
    price = clampI32(cost.price);
}

void SEffectList::GetEnchantCost(const SEffectLookups& lookups, SEffectContext context, int32_t& storage,
                                 int32_t& price) const {
    int64_t storageSum = 0;
    int64_t priceSum = 0;
    if (context != kContextIngredient) {
        for (int i = 0; i < Count(); ++i) {
            int32_t entryStorage = 0;
            int32_t entryPrice = 0;
            Get(i)->GetEnchantCost(lookups, context, entryStorage, entryPrice);
            storageSum += entryStorage;
            priceSum += entryPrice;
        }
    }
    storage = clampI32(storageSum);
    price = clampI32(priceSum);
}

uint32_t SEffectList::GetWandValue(const SEffectLookups& lookups, uint32_t charges) const {
    const SEffect* first = Get(0);
    if (first == nullptr) return 0;
    int32_t storage = 0;
    int32_t price = 0;
    first->GetEnchantCost(lookups, kContextWand, storage, price);
    int64_t value = int64_t(price) * charges;
    if (first->m_baseMagnitude != 0) value /= first->m_baseMagnitude;
    return uint32_t(std::clamp<int64_t>(value, 0, std::numeric_limits<uint32_t>::max()));
}
