#pragma once
// SEffectWandPricing: prices wands by the enchanting cost of the spell they cast, through the
// world's tables.
#include "data/effects/effect_lookups.h"
#include "data/items/wand_pricing.h"

class SEffectWandPricing : public SWandPricing {
public:
    // The tables must outlive the pricing.
    explicit SEffectWandPricing(const SEffectLookups& lookups) : m_lookups(lookups) {}

    uint32_t WandValue(const SEffectList& effects, uint32_t charges) const override;

private:
    SEffectLookups m_lookups;
};
