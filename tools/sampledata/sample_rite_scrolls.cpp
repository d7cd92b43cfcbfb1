#include "tools/sampledata/sample_rite_scrolls.h"

#include <memory>
#include <string>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "tools/sampledata/sample_item_types.h"
#include "tools/sampledata/sample_package.h"

namespace {

// The strength the enchanting scroll casts with: the enchanting dialog's level.
constexpr int16_t kEnchantingStrength = 30;

struct SRiteScroll {
    SSampleItemType type;
    const char* spell;
    int16_t strength;
};

const SRiteScroll kScrolls[] = {
    {{"base_scrmark", "Marking", kItemMagic, kMagicScroll, 40, 0, 5,
      "Read aloud, it fixes the place where you stand in your memory."},
     "base_spellmark",
     0},
    {{"base_screnchant", "Enchanting", kItemMagic, kMagicScroll, 80, 0, 5,
      "Read aloud, it lets a spell you know sink into an item you carry."},
     "base_spellenchant",
     kEnchantingStrength},
};

// A plain ring, as yet unenchanted, that takes a spell.
const SSampleItemType kPlainRing[] = {
    {"base_ring_plaingold", "Plain gold jewellery", kItemAccessory, kAccessoryRing, 60, 0, 10, nullptr},
};
constexpr uint16_t kPlainRingStorage = 30;

// A wand of burning hands with three charges.
const SSampleItemType kEmberWand[] = {
    {"base_wand_embers", "Embers", kItemMagic, kMagicWand, 150, 0, 50, nullptr},
};
constexpr int16_t kEmberCharges = 3;

std::unique_ptr<SEffectList> castsSpell(SEffectContext context, const char* spell, int16_t magnitude) {
    auto casts = std::make_unique<SEffect>(context);
    casts->m_type = kEffectCastSpell;
    casts->m_baseMagnitude = magnitude;
    casts->m_source = kSourceSpellCharge;
    casts->m_target.Assign(spell);
    auto list = std::make_unique<SEffectList>();
    list->Add(std::move(casts));
    return list;
}

// Drawn as the kit's item of that name.
void drawnAs(SItemDatabase& items, const char* name, const char* kitItem) {
    if (SItemType* type = items.FindItemType(name)) type->m_equipName.Assign(kitItem);
}

}  // namespace

void AddRiteScrolls(SItemDatabase& items) {
    for (const SRiteScroll& scroll : kScrolls) {
        AddSampleItemTypes(items, {&scroll.type, 1});
        SItemType* type = items.FindItemType(scroll.type.name);
        if (type == nullptr) continue;
        // A scroll's first effect names the spell it casts, and its magnitude is the spell's strength;
        // its description tells that strength as the skill level the scroll casts at.
        type->m_effects = castsSpell(kContextScroll, scroll.spell, scroll.strength);
        type->m_effects->Get(0)->m_magnitudePerLevel = scroll.strength;
        drawnAs(items, scroll.type.name, "base_scrdisarm");
    }
    AddSampleItemTypes(items, kPlainRing);
    if (SItemType* ring = items.FindItemType(kPlainRing[0].name)) ring->m_enchantCapacity = kPlainRingStorage;
    drawnAs(items, kPlainRing[0].name, "base_ring_silver");
    AddSampleItemTypes(items, kEmberWand);
    // A wand's first effect's magnitude is its full charges.
    if (SItemType* wand = items.FindItemType(kEmberWand[0].name)) {
        wand->m_effects = castsSpell(kContextWand, "base_spellburninghand", kEmberCharges);
        wand->m_effects->Get(0)->m_magnitudePerLevel = kSampleWandSkill;
    }
    drawnAs(items, kEmberWand[0].name, "base_wand_sparks");
}

void AddRiteCasket(SSampleMap& cellar) {
    // And what enchanting works on: a blank scroll, a plain ring and a wand to recharge.
    std::string loot = std::string("base_scrblank,") + kPlainRing[0].name + "," + kEmberWand[0].name;
    // Two of each scroll: a second reading for whatever the first left undone.
    for (const SRiteScroll& scroll : kScrolls) loot += "," + std::string(scroll.type.name) + "*2";
    cellar.level += "container 4 15 18 loot=" + loot + "\n";
}
