#include "tools/sampledata/sample_afflictions.h"

#include <memory>
#include <string>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/effects/effect_list.h"
#include "data/effects/stored_percent.h"
#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/monsters/monster.h"
#include "engine/packages/record_list.h"
#include "tools/sampledata/sample_abilities.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_spells.h"

namespace {

constexpr uint8_t kEndurance = 3;
constexpr uint8_t kStealth = 20;

constexpr int16_t percent(int16_t value) { return int16_t(PercentToStored(value)); }

struct LastingEffect {
    uint8_t kind, subTarget;
    int16_t magnitude;
};

struct Race {
    const char* name;
    const char* title;
    LastingEffect effect;
};

// The race table's ids, in race order.
constexpr Race kRaces[] = {
    {"base_rasvim", "Grave-cold blood", {kEffectResistPoison, 0, percent(50)}},
    {"base_etherim", "Ether-born", {kEffectFortifyMana, 0, 10}},
    {"base_seiry", "Quiet feet", {kEffectFortifySkill, kStealth, 5}},
    {"base_derth", "Stone skin", {kEffectFortifyAc, 0, 2}},
    {"base_nogur", "Hardy", {kEffectResistMagic, 0, percent(20)}},
};

std::unique_ptr<SEffect> effectOf(uint8_t source, uint8_t kind, uint8_t subTarget, int16_t magnitude,
                                  const char* target = "") {
    auto effect = std::make_unique<SEffect>();
    effect->m_source = source;
    effect->m_type = kind;
    effect->m_subTarget = subTarget;
    effect->m_baseMagnitude = magnitude;
    effect->m_target.Assign(target);
    return effect;
}

template <class Record>
std::unique_ptr<Record> recordOf(const char* name, const char* title, std::initializer_list<LastingEffect> effects) {
    auto record = std::make_unique<Record>();
    record->m_name.Set(name);
    record->m_text.Assign(title);
    for (const LastingEffect& effect : effects)
        record->m_effects.Append(effectOf(kSourceConstant, effect.kind, effect.subTarget, effect.magnitude).release());
    return record;
}

// The potion's effects, which take hold when it is drunk, in a list of its own; null without the
// potion's type.
SEffectList* potionEffects(SItemDatabase& items, const char* name) {
    SItemType* type = items.FindItemType(name);
    if (type == nullptr) return nullptr;
    type->m_effects = std::make_unique<SEffectList>();
    type->m_equipName.Assign("base_pmanasmall");
    return type->m_effects.get();
}

}  // namespace

void AddSampleAfflictions(SSamplePackage& world) {
    SAbilityTable abilities;
    for (const Race& race : kRaces) abilities.Add(recordOf<SAbility>(race.name, race.title, {race.effect}));
    AddSampleAbilities(abilities);
    SDiseaseTable diseases;
    AddSpellDiseases(diseases);
    diseases.Add(recordOf<SDisease>(kCellarRot, "Cellar rot",
                                    {{kEffectFortifyAttribute, kEndurance, -5}, {kEffectFortifyHp, 0, -5}}));
    world.tables[SModuleTable::Abilities] =
        WriteOneRecord([&](SArchive& archive) { abilities.Write(archive, world.version); });
    world.tables[SModuleTable::Diseases] =
        WriteOneRecord([&](SArchive& archive) { diseases.Write(archive, world.version); });
}

void AddAfflictionItems(SItemDatabase& items) {
    const SSampleItemType potions[] = {{kPoisonPotion, "Resist poison", kItemPotion, 1, 25, 0, 20, nullptr},
                                       {kPurityPotion, "Purity", kItemPotion, 1, 25, 0, 30, nullptr}};
    AddSampleItemTypes(items, potions);
    if (SEffectList* resist = potionEffects(items, kPoisonPotion)) {
        // Half the poison's strength kept off for half an hour.
        auto effect = effectOf(kSourceOnUse, kEffectResistPoison, 0, percent(50));
        effect->m_baseDuration = 30;
        resist->Add(std::move(effect));
    }
    if (SEffectList* purity = potionEffects(items, kPurityPotion)) {
        purity->Add(effectOf(kSourceOnUse, kEffectCurePoison, 0, 0));
        purity->Add(effectOf(kSourceOnUse, kEffectCureDisease, 0, 0, kCellarRot));
    }
}

void AddAfflictionLoot(SSampleMap& cellar) {
    cellar.level += std::string("container 3 18 19 loot=") + kPurityPotion + "\n";
}

void GiveAfflictingBite(SMonster& monster) {
    // A strike effect's magnitude is its chance, stored as a percentage.
    monster.m_effects.Add(effectOf(kSourceStrike, kEffectPoison, 0, percent(25)));
    monster.m_effects.Add(effectOf(kSourceStrike, kEffectInfectDisease, 0, percent(16), kCellarRot));
}
