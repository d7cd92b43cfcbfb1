// The texts the player reads for effects: item and shop descriptions, the spell book, the journal,
// the race choice and the enchanting dialog all take them from here.
#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/effects/effect_lookups.h"
#include "data/effects/stored_percent.h"
#include "data/spells/spell_type.h"
#include "engine/base/string.h"

namespace {

// The holders that wear an effect for as long as they are carried or had.
constexpr std::initializer_list<int> kWorn = {kContextArmour,  kContextWeapon,     kContextAccessory, kContextAbility,
                                              kContextDisease, kContextMagicStaff, kContextBow};
// The holders on which resistances read as a signed percentage.
constexpr std::initializer_list<int> kResistanceWorn = {kContextMonster,   kContextArmour,  kContextWeapon,
                                                        kContextAccessory, kContextAbility, kContextDisease,
                                                        kContextMagicStaff};
// The holders of percentage bonuses to magic, melee and single spells.
constexpr std::initializer_list<int> kBonusWorn = {kContextMonster, kContextAccessory, kContextAbility, kContextDisease,
                                                   kContextMagicStaff};
// The holders that strike opponents with poison, curses and paralysis.
constexpr std::initializer_list<int> kStrikers = {kContextMonster, kContextWeapon, kContextMagicStaff, kContextThrown};

const char* turnWord(int32_t turns) { return turns == 1 ? "turn" : "turns"; }
const char* pointWord(int32_t points) { return points == 1 ? "pt" : "pts"; }
const char* signWord(int32_t value) { return value >= 0 ? "Fortifies" : "Weakens"; }
// Potions name a change of 0 a weakening, as they always have.
const char* potionSignWord(int32_t value) { return value < 1 ? "Weakens" : "Fortifies"; }
const char* chargeWord(int32_t count) { return count == 1 ? "charge" : "charges"; }

// Everything one description reads; the texts below fill `out`.
struct SEffectText {
    bool In(std::initializer_list<int> contexts) const {
        for (int c : contexts)
            if (c == context) return true;
        return false;
    }
    bool Is(int c) const { return context == c; }
    const char* ResWord() const { return shortLabel ? "res." : "resistance"; }
    const char* SpellName() const {
        const SSpellType* spell = lookups.FindSpell(effect.m_target.Text());
        return spell ? spell->m_displayName.Text() : "";
    }
    const char* DiseaseName() const {
        const SDisease* disease = lookups.FindDisease(effect.m_target.Text());
        // As the journal names it: its title, the world's own name only when it has none.
        return disease ? disease->Title() : "";
    }
    void AppendRadius() const {
        if (effect.m_radius != 0) out.AppendFormat(", in %d radius", int(effect.m_radius));
    }

    const SEffectLookups& lookups;
    const SEffect& effect;
    int context;
    int32_t level;
    SString& out;
    bool shortLabel;
    bool compact;
    int32_t m0 = effect.m_baseMagnitude;
    int32_t d0 = effect.m_baseDuration;
    int32_t mL = effect.GetMagnitude(level);
    int32_t dL = effect.GetDuration(level);
};

// "Fortifies X by n, for t turns" on spells from the magnitude at the level; on potions "Fortifies
// X by n for t turns" from the base numbers, signed by `potionSign`.
void timedChange(const SEffectText& t, const char* what, const char* (*potionSign)(int32_t)) {
    if (t.Is(kContextSpell))
        t.out.Format("%s %s by %d, for %d %s", signWord(t.mL), what, std::abs(t.mL), t.dL, turnWord(t.dL));
    else if (potionSign && t.Is(kContextPotion))
        t.out.Format("%s %s by %d for %d %s", potionSign(t.m0), what, std::abs(t.m0), t.d0, turnWord(t.d0));
}

// Fortify hp, unholy hp and mana.
void vital(const SEffectText& t, const char* wornFormat, const char* what, const char* ingredient) {
    if (t.In(kWorn))
        t.out.Format(wornFormat, t.m0);
    else if (t.Is(kContextIngredient))
        t.out.Assign(ingredient);
    else
        timedChange(t, what, potionSignWord);
}

// Spells give a resistance in plain per cent at the level; everything else stores it offset by 100.
void resistance(const SEffectText& t, bool worn, const char* label, const char* what, const char* ingredient) {
    const int32_t percent = StoredPercent(t.m0);
    if (worn)
        t.out.Format("%+d%% %s %s", percent, label, t.ResWord());
    else if (t.Is(kContextSpell))
        t.out.Format("%s %s resistance by %d%%, for %d %s", signWord(t.mL), what, std::abs(t.mL), t.dL, turnWord(t.dL));
    else if (t.Is(kContextPotion))
        t.out.Format("%s %s resistance by %d%% for %d %s", signWord(percent), what, std::abs(percent), t.d0,
                     turnWord(t.d0));
    else if (t.Is(kContextIngredient))
        t.out.Assign(ingredient);
}

// Fortify magic and Fortify melee.
void combatBonus(const SEffectText& t, const char* title, const char* what) {
    const int32_t percent = StoredPercent(t.m0);
    if (t.In(kBonusWorn))
        t.out.Format("Fortify %s %+d%%", title, percent);
    else if (t.Is(kContextPotion))
        t.out.Format("%s %s by %d%% for %d %s", signWord(percent), what, std::abs(percent), t.d0, turnWord(t.d0));
    else if (t.Is(kContextIngredient))
        t.out.Format("Fortify %s", title);
}

// Damage base, Damage type and Damage all: weapons add plain points within +-100 and per cent
// beyond; spells deal the magnitude at the level.
void damage(const SEffectText& t, const char* target) {
    if (t.Is(kContextSpell)) {
        if (target)
            t.out.Format("Damages %s by %d", target, t.mL);
        else
            t.out.Format("Applies %d damage", t.mL);
        t.AppendRadius();
    } else if (t.Is(kContextWeapon) || t.Is(kContextThrown)) {
        const bool points = t.m0 >= -100 && t.m0 <= 100;
        t.out.Format("%+d%s damage", points ? t.m0 : StoredPercent(t.m0), points ? "" : "%");
        if (target) t.out.AppendFormat(" to %s", target);
    }
}

void fixedText(const SEffectText& t, std::initializer_list<int> contexts, const char* text) {
    if (t.In(contexts)) t.out.Assign(text);
}

void fortifySkill(const SEffectText& t) {
    const int skill = t.effect.m_subTarget;
    if (t.Is(kContextAbility)) {
        const SSkillLabel label = t.compact      ? SSkillLabel::Abbreviation
                                  : t.shortLabel ? SSkillLabel::ShortName
                                                 : SSkillLabel::Name;
        t.out.Format("%+d %s", t.m0, t.lookups.SkillName(skill, label));
    } else if (t.In(kWorn)) {
        t.out.Format("%+d %s", t.m0, t.lookups.SkillName(skill));
    } else if (t.Is(kContextBook)) {
        t.out.Format("Teaches %s (%+d)", t.lookups.SkillName(skill), t.m0);
    } else {
        timedChange(t, t.lookups.SkillName(skill), nullptr);
    }
}

void fortifyAttribute(const SEffectText& t) {
    const char* name = t.lookups.AttributeShortName(t.effect.m_subTarget);
    if (name == nullptr) return;
    if (t.In(kWorn))
        t.out.Format("%+d %s", t.m0, name);
    else if (t.Is(kContextIngredient))
        t.out.Format("Fortify %s", name);
    else
        timedChange(t, name, signWord);
}

void feather(const SEffectText& t) {
    if (t.Is(kContextArmour) || t.Is(kContextAccessory)) {
        t.out.Format("Feather %+d", t.m0);
    } else if (t.Is(kContextSpell)) {
        const int32_t by = std::abs(t.mL);
        t.out.Format("%s encumbrances by %d %s, for %d %s", t.mL >= 0 ? "Lightens" : "Burdens", by, pointWord(by), t.dL,
                     turnWord(t.dL));
    } else if (t.Is(kContextPotion)) {
        const int32_t by = std::abs(t.m0);
        t.out.Format("%s encumbrances by %d %s for %d %s", t.m0 >= 0 ? "Lightens" : "Burdens", by, pointWord(by), t.d0,
                     turnWord(t.d0));
    } else if (t.Is(kContextIngredient)) {
        t.out.Assign("Feather");
    }
}

// A scroll casts its spell at the skill level its entry keeps.
void scroll(const SEffectText& t, const char* name, bool scaled) {
    const int32_t skill = t.effect.m_magnitudePerLevel;
    if (!scaled)
        t.out.Format(t.compact ? "%s" : "Casts %s", name);
    else if (t.compact)
        t.out.Format("%s (sk: %d)", name, skill);
    else if (t.shortLabel)
        t.out.Format("Casts %s (skill: %d)", name, skill);
    else
        t.out.Format("Casts %s at skill level %d", name, skill);
}

// A wand names its spell, the skill level it casts at when that matters, and its charges: the
// full count alone while it is full, else how many of them are left.
void wand(const SEffectText& t, const char* name, bool scaled) {
    const int32_t full = t.m0;
    const int32_t skill = t.effect.m_magnitudePerLevel;
    if (!scaled)
        t.out.Format(t.shortLabel ? "%s" : "Casts %s", name);
    else if (t.shortLabel)
        t.out.Format("%s (skill: %d)", name, skill);
    else
        t.out.Format("Casts %s at skill level %d", name, skill);
    const int32_t charges = t.level == kFullWand ? full : t.level;
    if (charges >= full)
        t.out.AppendFormat(" (%d %s)", charges, chargeWord(full));
    else
        t.out.AppendFormat(t.shortLabel ? " (%d/%d %s)" : " (%d out of %d %s)", charges, full, chargeWord(charges));
}

void castSpell(const SEffectText& t) {
    const SSpellType* spell = t.lookups.FindSpell(t.effect.m_target.Text());
    if (spell == nullptr) return;
    const char* name = spell->m_displayName.Text();
    switch (t.context) {
        case kContextMonster: return t.out.Format("%s knowledge", name);
        case kContextAbility: return t.out.Format(t.shortLabel ? "%s" : "%s spell", name);
        case kContextSpellbook: return t.out.Format("Teaches %s", name);
        case kContextScroll: return scroll(t, name, spell->HasScaledEffect());
        case kContextWand: return wand(t, name, spell->HasScaledEffect());
        default: return;
    }
}

void infectDisease(const SEffectText& t) {
    const char* name = t.DiseaseName();
    if (t.Is(kContextMonster)) {
        t.out.Format("Infects %s disease at %d%% chance", name, StoredPercent(t.m0));
    } else if (t.Is(kContextWeapon) || t.Is(kContextMagicStaff) || t.Is(kContextThrown)) {
        t.out.Format("Infects %s disease", name);
    } else if (t.Is(kContextSpell)) {
        t.out.Format("Infects %s disease", name);
        t.AppendRadius();
    }
}

void resistDiseases(const SEffectText& t) {
    if (t.Is(kContextMonster))
        t.out.Format("%+d%% diseases resistance", StoredPercent(t.m0));
    else
        resistance(t, t.In({kContextArmour, kContextAccessory, kContextAbility, kContextDisease}), "Disease",
                   "diseases", "Resist diseases");
}

// A spell's text that shows its magnitude at the level, followed by the radius clause.
void areaSpell(const SEffectText& t, const char* format) {
    if (!t.Is(kContextSpell)) return;
    t.out.Format(format, t.mL);
    t.AppendRadius();
}

void describe(const SEffectText& t) {
    switch (t.effect.Type()) {
        case kEffectFortifySkill: return fortifySkill(t);
        case kEffectFortifyAttribute: return fortifyAttribute(t);
        case kEffectRestoreHp:
            if (t.Is(kContextSpell)) t.out.Format("Heals %d hp", t.mL);
            if (t.Is(kContextPotion)) t.out.Format("Heals %d hp", t.m0);
            return fixedText(t, {kContextIngredient}, "Restore health");
        case kEffectRestoreFullHp: return fixedText(t, {kContextSpell, kContextPotion}, "Restores full health");
        case kEffectFortifyHp: return vital(t, "%+d HP", "hp", "Fortify health");
        case kEffectRestoreUnholy:
            if (t.Is(kContextSpell)) t.out.Format("Restores unholy %d hp", t.mL);
            if (t.Is(kContextPotion)) t.out.Format("Restores %d unholy hp", t.m0);
            return fixedText(t, {kContextIngredient}, "Restore unholy HP");
        case kEffectRestoreFullUnholy: return fixedText(t, {kContextSpell, kContextPotion}, "Restores full unholy hp");
        case kEffectFortifyUnholy: return vital(t, "%+d unholy HP", "unholy hp", "Fortify unholy HP");
        case kEffectRestoreMana:
            if (t.Is(kContextPotion)) t.out.Format("Restores %d mana", t.m0);
            return fixedText(t, {kContextIngredient}, "Restore mana");
        case kEffectFortifyMana:
            // Spells have no text for it, and potions put a comma where the others do not.
            if (t.Is(kContextSpell)) return;
            if (t.Is(kContextPotion))
                return t.out.Format("%s mana by %d, for %d %s", potionSignWord(t.m0), std::abs(t.m0), t.d0,
                                    turnWord(t.d0));
            return vital(t, "%+d SP", "mana", "Fortify mana");
        case kEffectFortifyAc:
            if (t.In(kWorn)) return t.out.Format("%+d AC", t.m0);
            return timedChange(t, "AC", nullptr);
        case kEffectCurePoison: return fixedText(t, {kContextSpell, kContextPotion}, "Cures poison");
        case kEffectCureParalysis: return fixedText(t, {kContextSpell, kContextPotion}, "Cures paralysis");
        case kEffectCureDisease:
            if (t.Is(kContextSpell) || t.Is(kContextPotion)) t.out.Format("Cures %s disease", t.DiseaseName());
            return;
        case kEffectResistPoison:
            resistance(t, t.In(kResistanceWorn), "Poison", "poison", "Resist poison");
            if (t.Is(kContextSpell)) t.out.Append(".");
            return;
        case kEffectResistParalysis:
            return resistance(t, t.In(kResistanceWorn), "Paralysis", "paralysis", "Resist paralysis");
        case kEffectResistDisease: {
            const char* name = t.DiseaseName();
            SString ingredient;
            ingredient.Format("Resist %s", name);
            const bool worn =
                t.In({kContextArmour, kContextWeapon, kContextAccessory, kContextAbility, kContextDisease});
            return resistance(t, worn, name, name, ingredient.Text());
        }
        case kEffectResistNormalWeapons:
            if (t.Is(kContextMonster)) t.out.Format("%+d%% normal weapon resistance", StoredPercent(t.m0));
            return;
        case kEffectDispel:
            fixedText(t, {kContextSpell, kContextPotion}, "Dispels magic effects");
            return fixedText(t, {kContextIngredient}, "Dispel");
        case kEffectFeather: return feather(t);
        case kEffectRemoveCurse: return fixedText(t, {kContextSpell}, "Removes curse");
        case kEffectResistMagic: return resistance(t, t.In(kResistanceWorn), "Magic", "magic", "Resist magic");
        case kEffectDamageBase: {
            const char* kind = t.lookups.FindMonsterKindName(t.effect.m_target.Text());
            return damage(t, kind ? kind : "");
        }
        case kEffectDamageType: return damage(t, t.lookups.CreatureClassName(t.effect.m_subTarget));
        case kEffectDamageAll: return damage(t, nullptr);
        case kEffectPoison:
            fixedText(t, kStrikers, "Poisons opponents");
            areaSpell(t, "Poisons by %d hp");
            if (t.Is(kContextPotion)) t.out.Format("Poisons %d hp", t.m0);
            return fixedText(t, {kContextIngredient}, "Poison");
        case kEffectCurse:
            fixedText(t, kStrikers, "Curses opponents");
            if (!t.Is(kContextSpell)) return;
            t.out.Format("Curses for %d %s", t.dL, turnWord(t.dL));
            return t.AppendRadius();
        case kEffectParalyze:
            fixedText(t, kStrikers, "Paralyzes opponents");
            if (t.Is(kContextSpell)) t.out.Format("Paralyzes for %d %s", t.dL, turnWord(t.dL));
            return;
        case kEffectDrainHp:
            fixedText(t, {kContextMonster, kContextWeapon, kContextMagicStaff}, "Drains hp");
            return areaSpell(t, "Drains %d hp");
        case kEffectDrainSp:
            fixedText(t, {kContextMonster, kContextWeapon, kContextMagicStaff}, "Drains sp");
            return areaSpell(t, "Drains %d mana");
        case kEffectCastSpell: return castSpell(t);
        case kEffectInfectDisease: return infectDisease(t);
        case kEffectResistDiseases: return resistDiseases(t);
        case kEffectResistSpell:
            if (t.Is(kContextMonster)) t.out.Format("resist %s %+d%%", t.SpellName(), StoredPercent(t.m0));
            if (t.In({kContextAccessory, kContextAbility, kContextDisease, kContextMagicStaff}))
                t.out.Format("%+d%% %s resistance", StoredPercent(t.m0), t.SpellName());
            return;
        case kEffectFortifySpell:
            if (t.In(kBonusWorn)) t.out.Format("Fortify %s %+d%%", t.SpellName(), StoredPercent(t.m0));
            return;
        case kEffectFortifyMagic: return combatBonus(t, "Magic", "magic");
        case kEffectFortifyMelee:
            if (t.Is(kContextSpell))
                return t.out.Format("%s melee %d%%, for %d %s", signWord(t.mL), std::abs(t.mL), t.dL, turnWord(t.dL));
            return combatBonus(t, "Melee", "melee");
        case kEffectMagicImmunity:
            if (t.Is(kContextSpell)) t.out.Format("Magic immunity for %d %s", t.dL, turnWord(t.dL));
            return;
        case kEffectCrush: return areaSpell(t, "Crushes by %d damage");
        case kEffectCalm: return areaSpell(t, "Calms at chance %d%%");
        case kEffectDetectMind: return fixedText(t, {kContextSpell}, "Detects mind");
        case kEffectDisarm:
            if (t.Is(kContextSpell)) t.out.Format("Disarms traps by %d %s", t.mL, pointWord(t.mL));
            return;
        case kEffectUnlock:
            if (t.Is(kContextSpell)) t.out.Format("Unlocks things by %d %s", t.mL, pointWord(t.mL));
            return;
        case kEffectMark: return fixedText(t, {kContextSpell}, "Marks location");
        case kEffectRecall: return fixedText(t, {kContextSpell}, "Recalls location");
        case kEffectTownPortal: return fixedText(t, {kContextSpell}, "Town portal");
        case kEffectRechargeWand:
            if (t.Is(kContextSpell)) t.out.Format("Recharges a wand up to %d storage.", 3 * t.level);
            return;
        case kEffectEnchant:
        case kEffectEnchantToo:
            if (t.Is(kContextSpell)) t.out.Format("Enchants an item up to %d storage.", 3 * t.level);
            return;
        case kEffectCreateFood: return fixedText(t, {kContextSpell}, "Creates food");
        case kEffectLevelDrops:
            if (t.Is(kContextMonster)) t.out.Format("Level drop at %d%% chance", t.m0);
            if (!t.Is(kContextSpell)) return;
            t.out.Assign("Level drop");
            return t.AppendRadius();
        case kEffectRestoreFullMana: return fixedText(t, {kContextPotion}, "Restores full mana");
        case kEffectPermanentAttribute: {
            const char* name = t.lookups.AttributeFullName(t.effect.m_subTarget);
            if (name && t.Is(kContextPotion)) t.out.Format("Permanently fortifies %s by %+d", name, t.m0);
            return;
        }
        case kEffectAlcoholic:
            if (t.Is(kContextPotion)) t.out.Format("Alcoholic %d%%", StoredPercent(t.m0));
            return fixedText(t, {kContextIngredient}, "Alcoholic");
        case kEffectFortifyOutfit:
            if (t.In({kContextArmour, kContextWeapon, kContextAccessory, kContextMagicStaff, kContextBow}))
                t.out.Format("%+d outfit pts", t.m0);
            return;
        // No holder shows a text for these.
        case kEffectNone:
        case kEffectCreateWall:
        case kEffectDetectSecrets:
        case kEffectRevealMap: return;
    }
}

}  // namespace

void SEffect::Describe(const SEffectLookups& lookups, SEffectContext context, int32_t level, SString& out,
                       bool shortLabel, bool compact) const {
    out.Assign("");
    describe(SEffectText{lookups, *this, context, level, out, shortLabel, compact});
}

void SEffectList::Describe(const SEffectLookups& lookups, SEffectContext context, int32_t level, SString& out,
                           bool compact) const {
    // An alchemist learns an ingredient's effects one by one as the skill grows.
    static constexpr int32_t kAlchemyToTell[] = {0, 30, 60};
    const bool ingredient = context == kContextIngredient;
    const int shown = ingredient ? std::min(Count(), 3) : Count();
    const int32_t alchemy = ingredient ? lookups.Alchemy() : 0;
    SString text;
    for (int i = 0; i < shown; ++i) {
        if (i > 0) out.Append(compact ? ", " : "\r");
        if (ingredient && alchemy < kAlchemyToTell[i]) {
            out.Append("Unknown effect");
            continue;
        }
        Get(i)->Describe(lookups, context, level, text, false, false);
        out.Append(text.Text());
    }
}
