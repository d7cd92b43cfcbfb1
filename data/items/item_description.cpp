// What an inventory or a shop tells of an item.
#include "data/effects/effect_lookups.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/items/item_user.h"
#include "data/items/item_words.h"
#include "engine/base/format_count.h"
#include "engine/base/string.h"
#include "engine/draw/screen_type.h"

namespace {

// The two smallest screens abbreviate the damage.
bool isNarrow(uint32_t screenMode) { return screenMode == 5 || screenMode == 8; }

const SSpellType* firstSpell(const SEffectList* effects, const SEffectLookups& lookups) {
    const SEffect* first = effects ? effects->Get(0) : nullptr;
    return first ? lookups.FindSpell(first->m_target.Text()) : nullptr;
}

// The item described, or a new one at full condition and charges.
struct SDescribed {
    const SItem& Item() const { return item ? *item : fresh; }
    uint32_t Amount() const { return Item().m_amount; }

    const SItem* item;
    SItem fresh;
};

void classLine(const SItemType& type, const char* separator, SString& out) {
    switch (type.m_class) {
        case kItemWeapon:
            out.Append((type.m_flags & kItemLightWeapon) ? "Light weapon" : "Heavy weapon");
            return out.Append(separator);
        case kItemHeavyArmour:
        case kItemLightArmour: out.Append(ItemClassName(type.m_class)); return out.Append(separator);
        case kItemIngredient: return out.Append("Alchemy ingredient\r");
        case kItemBook:
        case kItemCard: out.Append(ItemSubtypeName(type.m_class, type.m_subtype)); return out.Append(separator);
        case kItemComestible: return out.Append("Comestible\r");
        default: return;
    }
}

void combatLine(const SItemType& type, const SDescribed& described, uint32_t screenMode, const char* separator,
                SString& out) {
    const SItem* item = described.item;
    if (type.m_class == kItemHeavyArmour || type.m_class == kItemLightArmour) {
        out.AppendFormat("AC: %u%s", type.GetArmorClass(item), separator);
    } else if (type.m_class == kItemWeapon) {
        // A quiver or a stack of throwing weapons tells how many it holds.
        if (type.IsAmmunition() && item)
            out.AppendFormat("Contains %u %s.\r", item->m_amount, item->m_amount == 1 ? "unit" : "units");
        out.AppendFormat(isNarrow(screenMode) ? "Dam: %u-%u%s" : "Damage: %u-%u%s", type.GetMinDamage(item),
                         type.GetMaxDamage(item), separator);
    }
}

bool isWorn(const SItemType& type) { return type.m_class >= kItemWeapon && type.m_class <= kItemAccessory; }

void conditionLine(const SItemType& type, const SDescribed& described, bool details, SString& out) {
    const uint32_t amount = described.Amount();
    if (details) {
        SString now;
        SString most;
        FormatCount(amount, now);
        FormatCount(type.m_maxCondition, most);
        return out.AppendFormat("Condition: %s/%s\r", now.Text(), most.Text());
    }
    out.AppendFormat("Condition: %s\r", GetConditionWord(amount, type.m_maxCondition));
}

void effectLines(const SItemType& type, const SDescribed& described, const SEffectLookups& lookups, bool compact,
                 SString& out) {
    const SEffectList* effects = type.EffectsOf(described.item);
    if (effects == nullptr) {
        const bool blank = type.m_class == kItemMagic &&
                           (type.m_subtype == kMagicBlankScroll || type.m_subtype == kMagicEmptyWand);
        if (isWorn(type) || blank) out.AppendFormat("%s\r", GetEnchantabilityWord(type.m_enchantCapacity));
        return;
    }
    // A wand's effects count its charges; a new one is full.
    const int32_t level = !type.IsWand() ? 0 : described.item ? int32_t(described.Amount() & 0xFFFF) : kFullWand;
    const int length = out.Length();
    effects->Describe(lookups, type.GetEffectContext(), level, out, compact);
    if (out.Length() > length) out.Append("\r");
}

void readerLine(const SItemType& type, const SDescribed& described, const SEffectLookups& lookups,
                const SItemUser& reader, SString& out) {
    const SEffectList* effects = type.EffectsOf(described.item);
    if (type.m_class == kItemBook) {
        const SEffect* first = effects ? effects->Get(0) : nullptr;
        const char* name = type.m_name.Text();
        if (reader.HasReadBook(name)) return out.Append("You have already read this book.");
        if (first && first->m_type == kEffectFortifySkill && !reader.CanRaiseSkill(first->m_subTarget))
            return out.Append("You can't learn from this book.");
        return out.Append("You haven't read this book yet.");
    }
    if (type.m_class != kItemMagic || effects == nullptr) return;
    switch (type.m_subtype) {
        case kMagicSpellbook: {
            const SSpellType* spell = firstSpell(effects, lookups);
            if (spell == nullptr) return;
            if (!reader.IsSchoolAllowed(*spell)) return out.Append("You can't learn this spell.");
            return out.Append(reader.KnowsSpell(*spell) ? "You already know this spell."
                                                        : "You don't know this spell.");
        }
        case kMagicWand:
        case kMagicEmptyWand:
            if (!reader.CanUseWand(described.Item())) out.Append("You can't use this wand.");
            return;
        case kMagicScroll:
        case kMagicBlankScroll:
            if (!reader.CanReadScroll(described.Item())) out.Append("You can't read this scroll.");
            return;
        default: return;
    }
}

}  // namespace

void SItemType::GetDescription(const SItem* item, const SEffectLookups& lookups, const SItemUser& reader,
                               uint32_t screenMode, bool details, SString& out) const {
    const bool compact = IsSmallScreenType(screenMode);
    const char* separator = compact ? ", " : "\r";
    SDescribed described{item, SItem(*this)};
    described.fresh.m_amount = IsWand() ? FullCharges(m_effects.get()) : m_maxCondition;
    out.Assign("");
    classLine(*this, separator, out);
    combatLine(*this, described, screenMode, separator, out);
    if (m_class != kItemMoney) out.AppendFormat("Weight: %u.%u\r", m_weight / 100u, m_weight % 100u / 10u);
    if (isWorn(*this) && m_alignment == kAlignmentGood) out.Append("Requires good alignment\r");
    if (isWorn(*this) && m_alignment == kAlignmentEvil) out.Append("Requires evil alignment\r");
    if (isWorn(*this) && !IsAmmunition()) {
        const uint32_t rating = 10 * GetOutfitValue(item);
        out.AppendFormat("Outfit: %s", GetOutfitWord(int32_t(rating)));
        if (details) out.AppendFormat(" (%u)", rating);
        out.Append(separator);
    }
    if (HasConditionPrice()) conditionLine(*this, described, details, out);
    if (m_class == kItemIngredient) out.Append("\rEffects:\r");
    effectLines(*this, described, lookups, compact, out);
    readerLine(*this, described, lookups, reader, out);
}
