#pragma once
// SWandPricing: what a wand's charges are worth. The price comes from the enchanting costs of the
// wand's first effect, which know the spells, diseases and monsters the effects name.
#include <cstdint>

class SEffectList;

class SWandPricing {
public:
    virtual ~SWandPricing() = default;
    // The gold value of a wand with this list and this many charges left; 0 for an empty list.
    virtual uint32_t WandValue(const SEffectList& effects, uint32_t charges) const = 0;
};
