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
    switch (e.Type()) {
        case kEffectFortifySkill: cost = {15 * m, 100 * m}; return true;
        case kEffectFortifyAttribute: cost = {25 * m, 200 * m}; return true;
        case kEffectRestoreHp:
        case kEffectRestoreUnholy:
        case kEffectRestoreMana: cost = {m * m / 8, m * m / 4}; return true;
        case kEffectRestoreFullHp:
        case kEffectRestoreFullUnholy:
        case kEffectRestoreFullMana: cost = {m * m / 3, 2 * m * m}; return true;
        case kEffectFortifyHp:
        case kEffectFortifyUnholy:
        case kEffectFortifyMana: cost = {10 * m, 75 * m}; return true;
        case kEffectFortifyAc: cost = {20 * m, 100 * m}; return true;
        case kEffectCurePoison:
        case kEffectCureParalysis:
        case kEffectCureDisease:
        case kEffectDispel:
        case kEffectRemoveCurse: cost = {50, 50}; return true;
        case kEffectResistPoison: cost = {10 * a, 100 * a}; return true;
        case kEffectResistParalysis: cost = {15 * a, 100 * a}; return true;
        case kEffectResistDisease: {
            // The stronger the disease, the dearer resisting it.
            const SDisease* disease = lookups.FindDisease(e.m_target.Text());
            if (disease == nullptr) return false;
            const int64_t v = int64_t(disease->m_strength) * StoredPercent(e.m_baseMagnitude) / 10;
            cost = {15 * v, 200 * v};
            return true;
        }
        case kEffectResistNormalWeapons: cost = {0, 0}; return true;
        case kEffectFeather: cost = {10 * m, 50 * m}; return true;
        case kEffectResistMagic:
        case kEffectResistDiseases: cost = {15 * a, 200 * a}; return true;
        case kEffectDamageBase:
            if (lookups.FindMonsterKindName(e.m_target.Text()) == nullptr) return false;
            cost = damageCost(kDamageBase, m, k);
            return true;
        case kEffectDamageType: cost = damageCost(kDamageType, m, k); return true;
        case kEffectDamageAll: cost = damageCost(kDamageAll, m, k); return true;
        case kEffectPoison:
        case kEffectCurse: cost = {100 * k, 1000 * k}; return true;
        case kEffectParalyze: cost = {400 * k, 4000 * k}; return true;
        case kEffectDrainHp:
        case kEffectDrainSp: cost = {200, 2000}; return true;
        case kEffectCastSpell: {
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
        case kEffectInfectDisease:
            if (lookups.FindDisease(e.m_target.Text()) == nullptr) return false;
            cost = {100, 1000};
            return true;
        case kEffectResistSpell: cost = {a / 8 * a + 50, a / 4 * a / 2 + 200}; return true;
        case kEffectFortifySpell: cost = {a / 6 * a + 100, a / 3 * a / 2 + 200}; return true;
        case kEffectFortifyMagic:
        case kEffectFortifyMelee: cost = {25 * a, 200 * a}; return true;
        case kEffectMagicImmunity: cost = {400, 1000}; return true;
        case kEffectCrush: cost = {300, 800}; return true;
        case kEffectCalm: cost = {200, 600}; return true;
        case kEffectDetectMind:
        case kEffectMark:
        case kEffectRecall:
        case kEffectTownPortal: cost = {100, 500}; return true;
        case kEffectDisarm:
        case kEffectUnlock: cost = {100, 400}; return true;
        case kEffectRechargeWand: cost = {300, 2000}; return true;
        case kEffectEnchant:
        case kEffectEnchantToo: cost = {400, 3000}; return true;
        case kEffectCreateFood: cost = {100, 200}; return true;
        case kEffectLevelDrops: cost = {1000, 1000}; return true;
        case kEffectPermanentAttribute: cost = {2 * m * m, 5 * m * m}; return true;
        case kEffectAlcoholic: cost = {a, a}; return true;
        case kEffectFortifyOutfit: cost = {15 * std::abs(m), 100 * std::abs(m)}; return true;
        case kEffectNone:
        case kEffectCreateWall:
        case kEffectDetectSecrets:
        case kEffectRevealMap: return false;
    }
    return false;
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
