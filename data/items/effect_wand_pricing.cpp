#include "data/items/effect_wand_pricing.h"

#include "data/effects/effect_list.h"

uint32_t SEffectWandPricing::WandValue(const SEffectList& effects, uint32_t charges) const {
    return effects.GetWandValue(m_lookups, charges);
}
