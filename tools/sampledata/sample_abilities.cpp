#include "tools/sampledata/sample_abilities.h"

#include <memory>

#include "data/effects/ability.h"
#include "data/effects/effect.h"

namespace {

struct SSampleAbility {
    const char* name;
    const char* text;  // its name as messages and the journal show it
    uint8_t effect;
    int16_t magnitude;
};

const SSampleAbility kAbilities[] = {
    {kIlsesBlessing, "Widow's blessing", kEffectFortifyHp, 5},
};

}  // namespace

void AddSampleAbilities(SAbilityTable& abilities) {
    for (const SSampleAbility& sample : kAbilities) {
        auto ability = std::make_unique<SAbility>();
        ability->m_name.Set(sample.name);
        ability->m_text.Assign(sample.text);
        auto effect = std::make_unique<SEffect>();
        effect->m_type = sample.effect;
        effect->m_baseMagnitude = sample.magnitude;
        effect->m_source = kSourceConstant;
        ability->m_effects.Add(effect.release(), ListOrder::Appended);
        abilities.Add(std::move(ability));
    }
}
