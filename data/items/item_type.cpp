#include "data/items/item_type.h"

#include <algorithm>
#include <limits>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_user.h"
#include "data/items/wand_pricing.h"
#include "data/rules/character_ids.h"
#include "data/rules/undead.h"
#include "data/spells/spell_table.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kItemTypeRecordTag = 21;
constexpr int kDroppedTextFrom = 62;
constexpr int kDroppedTextUntil = 72;
constexpr int kOutfitFrom = 64;
constexpr int kStockWeightFrom = 85;
constexpr int kSeventhTextFrom = 114;

// A weapon skill at this level leaves the damage as it is: below it the damage shrinks in
// proportion, above it grows by the whole damage for every twice this many levels.
constexpr int64_t kSkillPar = 33;

uint32_t clampU32(int64_t value) {
    return uint32_t(std::clamp<int64_t>(value, 0, std::numeric_limits<uint32_t>::max()));
}

int32_t clampI32ItemType(int64_t value) {
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The condition in tenths of the maximum, 0..10 for an item that is not overrepaired.
int64_t conditionTenths(uint32_t amount, uint16_t maxCondition) { return int64_t(amount) * 1000 / maxCondition / 100; }

int64_t skillStep(int64_t value, int64_t skill) {
    return skill >= kSkillPar ? value + value * (skill - kSkillPar) / (2 * kSkillPar) : value * skill / kSkillPar;
}

}  // namespace

bool SItemType::IsAmmunition() const {
    return m_class == kItemWeapon &&
           (m_subtype == kWeaponThrowing || m_subtype == kWeaponQuiver || m_subtype == kWeaponBoltQuiver);
}

bool SItemType::IsWand() const {
    return m_class == kItemMagic && (m_subtype == kMagicWand || m_subtype == kMagicEmptyWand);
}

bool SItemType::HasConditionPrice() const {
    switch (m_class) {
        case kItemWeapon: return !IsAmmunition();
        case kItemHeavyArmour:
        case kItemLightArmour:
        case kItemAlchemy:
        case kItemRepair: return true;
        case kItemKey: return m_subtype == kKeySubtypeLockpick;
        default: return false;
    }
}

SEffectContext SItemType::GetEffectContext() const {
    switch (m_class) {
        case kItemWeapon:
            if (m_subtype == kWeaponMagicStaff) return kContextMagicStaff;
            if (IsAmmunition()) return kContextThrown;
            if (m_subtype == kWeaponShortBow || m_subtype == kWeaponLongBow) return kContextBow;
            return kContextWeapon;
        case kItemHeavyArmour:
        case kItemLightArmour: return kContextArmour;
        case kItemAccessory: return kContextAccessory;
        case kItemBook: return kContextBook;
        case kItemIngredient: return kContextIngredient;
        case kItemPotion: return kContextPotion;
        case kItemMagic:
            switch (m_subtype) {
                case kMagicScroll:
                case kMagicBlankScroll: return kContextScroll;
                case kMagicSpellbook: return kContextSpellbook;
                case kMagicWand:
                case kMagicEmptyWand: return kContextWand;
                default: return kContextNone;
            }
        default: return kContextNone;
    }
}

void SItemType::GetTrainedSkills(uint32_t& primary, uint32_t& secondary) const {
    primary = 0;
    secondary = 0;
    switch (m_class) {
        case kItemWeapon:
            primary = (m_flags & kItemLightWeapon) ? kSkillLightWeapon : kSkillHeavyWeapon;
            if (m_subtype == kWeaponThrowing || m_subtype == kWeaponShortBow || m_subtype == kWeaponLongBow ||
                m_subtype == kWeaponCrossbow)
                secondary = kSkillAccuracy;
            break;
        case kItemHeavyArmour: primary = kSkillHeavyArmor; break;
        case kItemLightArmour: primary = kSkillLightArmor; break;
        default: break;
    }
}

const SEffectList* SItemType::EffectsOf(const SItem* item) const {
    return item && item->m_effects ? item->m_effects.get() : m_effects.get();
}

namespace {

// Ammunition counts and accessories do not wear; a maximum condition of 0 counts as undamaged.
bool wearsDown(const SItemType& type) {
    return !type.IsAmmunition() && type.m_class != kItemAccessory && type.m_maxCondition > 0;
}

uint32_t scaled(const SItemType& type, uint32_t value, const SItem* item, bool tenthsDigit) {
    if (item == nullptr || !wearsDown(type)) return value;
    int64_t tenths = conditionTenths(item->m_amount, type.m_maxCondition);
    if (tenthsDigit) tenths %= 10;
    const int64_t worn = int64_t(value) * item->m_amount / type.m_maxCondition + (tenths >= 5 ? 1 : 0);
    return uint32_t(std::min<int64_t>(worn, value));
}

}  // namespace

uint32_t SItemType::GetMinDamage(const SItem* item) const { return scaled(*this, m_minDamage, item, false); }

uint32_t SItemType::GetMaxDamage(const SItem* item) const { return scaled(*this, m_maxDamage, item, false); }

uint32_t SItemType::GetArmorClass(const SItem* item) const { return scaled(*this, m_armorClass, item, false); }

uint32_t SItemType::GetOutfitValue(const SItem* item) const { return scaled(*this, m_outfit, item, true); }

bool SItemType::HasPermanentAttributeEffect(const SItem* item) const {
    const SEffectList* effects = EffectsOf(item);
    return effects && effects->HasPermanentAttribute();
}

bool SItemType::IsUsableByRace(const SItem* item, int race, const SSpellTable& spells) const {
    const SEffectList* effects = EffectsOf(item);
    if (effects == nullptr) return true;
    return race == kUndeadRace ? !effects->HasHealMagicSpell(spells) : !effects->HasUndeadMagicSpell(spells);
}

uint32_t SItemType::GetNewValue() const {
    return clampU32(int64_t(m_baseValue) + (m_effects ? m_effects->m_value : 0));
}

uint32_t SItemType::GetValue(const SItem* item, const SWandPricing& wands) const {
    if (item == nullptr) return GetNewValue();
    int64_t value = m_baseValue;
    if (HasConditionPrice() && m_maxCondition > 0) value = value * item->m_amount / m_maxCondition;
    const SEffectList* effects = EffectsOf(item);
    if (effects == nullptr)
        value += m_enchantCapacity;
    else if (IsWand())
        value += wands.WandValue(*effects, item->m_amount);
    else
        value += effects->m_value;
    return clampU32(value);
}

namespace {

// The display name of the spell a written scroll or a filled wand casts: its first effect's.
const char* writtenSpellName(const SEffectList& effects, const SSpellTable& spells) {
    const SEffect* first = effects.Get(0);
    const SSpellType* spell = first ? spells.FindSpell(first->m_target.Text()) : nullptr;
    return spell ? spell->m_displayName.Text() : "Unknown";
}

void magicName(const SItemType& type, const SItem* item, bool bare, const SSpellTable& spells, SString& out) {
    const char* name = type.m_displayName.Text();
    switch (type.m_subtype) {
        case kMagicSpellbook: return out.Format("Spellbook of %s", name);
        case kMagicScroll:
        case kMagicWand: break;
        case kMagicBlankScroll:
        case kMagicEmptyWand:
            if (item == nullptr || item->m_effects == nullptr) return out.Assign(name);
            name = writtenSpellName(*item->m_effects, spells);
            break;
        default: return out.Assign("");
    }
    if (bare) return out.Assign(name);
    const bool scroll = type.m_subtype == kMagicScroll || type.m_subtype == kMagicBlankScroll;
    out.Format(scroll ? "Scroll of %s" : "Wand of %s", name);
}

}  // namespace

void SItemType::GetDisplayName(const SItem* item, SString& out, bool bare, const SSpellTable& spells) const {
    const char* name = m_displayName.Text();
    switch (m_class) {
        case kItemBook:
            if (m_subtype == kBookSubtypeBook) return out.Format("'%s' book", name);
            return out.Assign(name);
        case kItemPotion: return out.Format("%s%s potion", (m_flags & kItemHomemade) ? "Homemade " : "", name);
        case kItemGem: return out.Format("%s gem", name);
        case kItemCard: return out.Format("'%s' card", name);
        case kItemMagic: return magicName(*this, item, bare, spells, out);
        default: return out.Assign(name);
    }
}

void SItemType::GetDamageRange(const SItem* item, const SItemUser& user, bool offHand, int32_t& min,
                               int32_t& max) const {
    int64_t low = GetMinDamage(item);
    int64_t high = GetMaxDamage(item);
    auto step = [&](uint32_t skill) {
        const int64_t level = int64_t(user.SkillValue(skill)) + user.FortifySkillTotal(skill);
        low = skillStep(low, level);
        high = skillStep(high, level);
    };
    if (m_class == kItemWeapon && m_subtype >= kWeaponThrowing && m_subtype <= kWeaponBoltQuiver) step(kSkillAccuracy);
    const int64_t strength = user.AttributeTotal(kStrength);
    const int64_t dexterity = user.AttributeTotal(kDexterity);
    int64_t bonus = 0;
    if ((m_flags & kItemLightWeapon) || IsAmmunition()) {
        step(kSkillLightWeapon);
        bonus = dexterity / 25 + strength / 16;
    } else {
        step(kSkillHeavyWeapon);
        bonus = strength / 25 + dexterity / 16;
    }
    low += bonus;
    high += bonus;
    if (offHand) step(kSkillDualWield);
    if (user.IsCursed()) high = low + (high - low) / 2;
    min = clampI32ItemType(low);
    max = clampI32ItemType(high);
}

void SItemType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kItemTypeRecordTag);
    m_name.Serialize(archive);
    archive.SerializeSString(m_firstText);
    archive.SerializeSString(m_equipName);
    archive.SerializeSString(m_displayName);
    if (version >= kDroppedTextFrom && version <= kDroppedTextUntil) {
        const char* dropped = nullptr;
        archive.SerializeCStr(dropped);
    }
    archive.SerializeSString(m_fourthText);
    archive.SerializeSString(m_fifthText);
    archive.SerializeSString(m_paletteName);
    if (version >= kSeventhTextFrom) archive.SerializeSString(m_seventhText);
    uint8_t hasEffects = m_effects != nullptr;
    archive.SerializeU8(hasEffects);
    if (!archive.IsWriting()) m_effects = hasEffects ? std::make_unique<SEffectList>() : nullptr;
    if (m_effects) m_effects->Serialize(archive, version);
    archive.SerializeU32(m_baseValue);
    archive.SerializeU16(m_weight);
    archive.SerializeU16(m_minDamage);
    archive.SerializeU16(m_maxDamage);
    archive.SerializeU16(m_armorClass);
    archive.SerializeU16(m_enchantCapacity);
    archive.SerializeU16(m_maxCondition);
    archive.SerializeU8(m_level);
    archive.SerializeU8(m_class);
    archive.SerializeU8(m_subtype);
    archive.SerializeU8(m_alignment);
    archive.SerializeU8(m_flags);
    if (version >= kOutfitFrom) archive.SerializeU8(m_outfit);
    if (version >= kStockWeightFrom) archive.SerializeU8(m_stockWeight);
}

std::string SItemType::Fault() const {
    if (m_class >= kItemClassCount)
        return "class " + std::to_string(m_class) + " is not one of 0.." + std::to_string(kItemClassCount - 1);
    return m_effects ? m_effects->Fault() : std::string();
}
