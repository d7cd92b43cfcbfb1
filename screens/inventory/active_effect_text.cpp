#include "screens/inventory/active_effect_text.h"

#include "data/effects/ability.h"
#include "data/effects/effect_lookups.h"
#include "data/items/item_type.h"
#include "data/spells/spell_type.h"
#include "engine/base/string.h"

namespace {

const char* diseaseTitle(const SEffectLookups& lookups, const std::string& name) {
    const SDisease* disease = lookups.FindDisease(name.c_str());
    return disease ? disease->Title() : "unknown disease";
}

const char* spellTitle(const SEffectLookups& lookups, const std::string& name) {
    const SSpellType* spell = lookups.FindSpell(name.c_str());
    return spell ? spell->m_displayName.Text() : "unknown spell";
}

// The source in brackets behind a comma; nothing at all, not even the comma, for a source without
// words of its own, so that a line never ends in a dangling comma.
void appendSource(const SActiveEffect& effect, SString& out) {
    if (effect.source == nullptr) return;
    switch (effect.origin) {
        case kFromWornItem:
            out.AppendFormat(", (%s)", static_cast<const SItemType*>(effect.source)->m_displayName.Text());
            break;
        case kFromUsedItem:
            out.AppendFormat(", (%s potion)", static_cast<const SItemType*>(effect.source)->m_displayName.Text());
            break;
        case kFromSpell:
            out.AppendFormat(", (%s spell)", static_cast<const SSpellType*>(effect.source)->m_displayName.Text());
            break;
        case kFromDisease:
            out.AppendFormat(", (%s disease)", static_cast<const SDisease*>(effect.source)->Title());
            break;
        case kFromAbility:
            out.AppendFormat(", (%s ability)", static_cast<const SAbility*>(effect.source)->Title());
            break;
        default: break;
    }
}

}  // namespace

bool IsConstantEffect(const SActiveEffect& effect) {
    return effect.origin == kFromWornItem || effect.origin == kFromDisease || effect.origin == kFromAbility;
}

bool PassesEffectsFilter(const SActiveEffect& effect, uint32_t filter) {
    switch (filter) {
        case kDynamicEffects: return !IsConstantEffect(effect);
        case kConstantEffects: return IsConstantEffect(effect);
        default: return true;
    }
}

void AppendEffectValue(const SActiveEffect& effect, const SEffectLookups& lookups, SString& out) {
    const int m = effect.magnitude;
    const int percent = int(FoldPercent(m));
    switch (effect.type) {
        case kPlayerFortifySkill: out.AppendFormat("%+d %s", m, lookups.SkillName(effect.subId)); break;
        case kPlayerFortifyAttribute: {
            const char* attribute = lookups.AttributeFullName(effect.subId);
            out.AppendFormat("%+d %s", m, attribute ? attribute : "unknown attribute");
            break;
        }
        case kPlayerFortifyHp:
        case kPlayerFortifyUnholy:
        case kPlayerFortifyMana:
        case kPlayerFortifyAc:
        case kPlayerFeather:
        case kPlayerFortifyOutfit: out.AppendFormat("%+d", m); break;
        case kPlayerResistPoison:
        case kPlayerResistParalysis:
        case kPlayerResistMagic:
        case kPlayerResistDiseases:
        case kPlayerFortifyMagic:
        case kPlayerFortifyMelee: out.AppendFormat("%+d%%", percent); break;
        case kPlayerResistDisease: out.AppendFormat("%+d%% %s", percent, diseaseTitle(lookups, effect.name)); break;
        case kPlayerResistSpell:
        case kPlayerFortifySpell: out.AppendFormat("%+d%% %s", percent, spellTitle(lookups, effect.name)); break;
        case kPlayerMagicImmunity: out.Append("Immunity"); break;
        case kPlayerDetectSecrets: out.Append("Detect secrets"); break;
        // Signed: a drink that sobers shows as a negative share, never as a wrapped number.
        case kPlayerAlcoholic: out.AppendFormat("%d%%", percent); break;
        case kPlayerParalysis: out.Append("Paralysis"); break;
        case kPlayerCurse: out.Append("Curse"); break;
        // The hit points a turn takes; a negative poison gives them.
        case kPlayerPoison: out.AppendFormat("%+d hp/turn", -m); break;
        default: break;
    }
}

void AppendEffectLine(const SActiveEffect& effect, const SEffectLookups& lookups, SString& out) {
    AppendEffectValue(effect, lookups, out);
    const uint32_t rounds = effect.duration;
    if (rounds != 0 && effect.IsTimed()) out.AppendFormat(", %u round%s", rounds, rounds == 1 ? "" : "s");
    appendSource(effect, out);
    out.Append("\r");
}
