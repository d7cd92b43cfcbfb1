// The player's side of fighting: armour class with shield blocks, the damage of the wielded
// weapons with their wear, and the weapon skills a blow trains.
#include <algorithm>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/maps/creature.h"
#include "data/monsters/monster.h"
#include "data/player/player.h"
#include "data/player/worn_weapon.h"
#include "data/rules/character_ids.h"
#include "engine/base/random.h"

namespace {

// The armour skill value at which the pieces give exactly their armour class; twice as much gives
// one and a half times.
constexpr int64_t kArmorSkillPar = 33;
// Above this Block value a shield may count three times.
constexpr int32_t kExpertBlock = 30;

int64_t scaledBySkill(int64_t armorClass, int64_t skill) {
    if (skill < kArmorSkillPar) return armorClass * skill / kArmorSkillPar;
    return armorClass + armorClass * (skill - kArmorSkillPar) / (2 * kArmorSkillPar);
}

int32_t roll(SRandom* random, int32_t n) { return random ? random->Next(n) : 0; }

int32_t rollWithin(SRandom* random, int32_t min, int32_t max) { return roll(random, max - min + 1) + min; }

int32_t clampToI32(int64_t value) { return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace

int32_t SPlayer::GetArmorClass(bool& changed, uint32_t shieldFactor) const {
    int64_t heavy = 0;
    int64_t light = 0;
    for (uint32_t slot = kSlotHelm; slot <= kLastEquipmentSlot; ++slot) {
        const SItem* item = m_equipment[slot];
        if (!IsDressSlot(slot) || item == nullptr || item->m_type == nullptr) continue;
        const SItemType& type = *item->m_type;
        if (type.m_class != kItemHeavyArmour && type.m_class != kItemLightArmour) continue;
        const int64_t factor = type.m_subtype == kArmourShield ? shieldFactor : 1;
        (type.m_class == kItemHeavyArmour ? heavy : light) += int64_t(type.GetArmorClass(item)) * factor;
    }
    bool fortified = false;
    const int32_t fortify = m_effects.Total(kPlayerFortifyAc, 0, nullptr, &fortified);
    changed = fortified || Drunkenness() != 0;
    return clampToI32(scaledBySkill(heavy, GetSkillValue(kSkillHeavyArmor)) +
                      scaledBySkill(light, GetSkillValue(kSkillLightArmor)) + GetAttribute(kDexterity) / 10 + fortify);
}

int32_t SPlayer::GetArmorClass() const {
    bool changed = false;
    return GetArmorClass(changed, 1);
}

int32_t SPlayer::GetArmorClassWithBlock(bool shieldHit) {
    const SItem* shield = m_equipment[kSlotSecondHand];
    const bool armour = shield && shield->m_type &&
                        (shield->m_type->m_class == kItemHeavyArmour || shield->m_type->m_class == kItemLightArmour);
    uint32_t factor = 1;
    if (shieldHit && armour) {
        const int32_t block = GetSkillValue(kSkillBlock);
        if (block <= kExpertBlock) {
            if (roll(m_rules.random, 100) < block) factor = 2;
        } else if (roll(m_rules.random, 100) < block / 2) {
            factor = 3;
        } else if (roll(m_rules.random, 100) < 2 * block / 3) {
            factor = 2;
        }
        if (factor > 1) CountSkillUse(kSkillBlock);
    }
    bool changed = false;
    return GetArmorClass(changed, factor);
}

void SPlayer::GetDamageRange(int32_t& min, int32_t& max, bool wear) {
    const int64_t strength = GetAttribute(kStrength);
    const int64_t dexterity = GetAttribute(kDexterity);
    int64_t low = 0;
    int64_t high = 0;
    SItem* weapon = m_equipment[kSlotMainHand];
    if (weapon && weapon->m_type) {
        int32_t weaponMin = 0;
        int32_t weaponMax = 0;
        weapon->m_type->GetDamageRange(weapon, *this, false, weaponMin, weaponMax);
        low = weaponMin;
        high = weaponMax;
        const bool shoots = ShootsAmmunition(weapon);
        if (shoots) {
            const SItem* ammunition = m_equipment[kSlotAmmunition];
            if (ammunition && ammunition->m_type) {
                low += ammunition->m_type->m_minDamage;
                high += ammunition->m_type->m_maxDamage;
            }
            low += dexterity / 10;
            high += dexterity / 8;
        } else {
            low += strength / 10 + dexterity / 10;
            high += strength / 8 + dexterity / 8;
        }
        if (wear && weapon->m_type->m_subtype != kWeaponThrowing)
            BreakItem(weapon, rollWithin(m_rules.random, clampToI32(low), clampToI32(high)), SWearCause::Fighting);
        SItem* second = m_equipment[kSlotSecondHand];
        if (!shoots && IsWeapon(second)) {
            int32_t secondMin = 0;
            int32_t secondMax = 0;
            second->m_type->GetDamageRange(second, *this, true, secondMin, secondMax);
            low += secondMin;
            high += secondMax;
            if (wear) BreakItem(second, rollWithin(m_rules.random, secondMin, secondMax), SWearCause::Fighting);
        }
    } else {
        low = strength / 16 + dexterity / 16;
        high = strength / 8 + dexterity / 8;
    }
    if (SumItemWeights() > uint32_t(std::max(GetMaxCarryWeight(), 0))) {
        low /= 2;
        high /= 2;
    }
    min = clampToI32(low);
    max = clampToI32(high);
}

int32_t SPlayer::RollDamage(bool wear) {
    int32_t min = 0;
    int32_t max = 0;
    GetDamageRange(min, max, wear);
    return rollWithin(m_rules.random, min, max);
}

int32_t SPlayer::RollHitDamage(const SCreature* target) {
    if (target == nullptr || target->monster == nullptr) return RollDamage(false);
    const int32_t armorClass = target->monster->m_stats[kStatArmourClass];
    int32_t damage = RollDamage(true) - armorClass;
    if (damage < 1) damage = roll(m_rules.random, 100) > 50 ? roll(m_rules.random, 5) : 0;
    CountWeaponUse();
    return damage;
}

void SPlayer::CountWeaponUse() {
    auto countSkillsOf = [this](const SItem* weapon) {
        uint32_t primary = 0;
        uint32_t secondary = 0;
        weapon->m_type->GetTrainedSkills(primary, secondary);
        CountSkillUse(primary);
        CountSkillUse(secondary);
    };
    const SItem* weapon = m_equipment[kSlotMainHand];
    const SItem* second = m_equipment[kSlotSecondHand];
    if (IsWeapon(weapon)) countSkillsOf(weapon);
    if (IsWeapon(second) && !ShootsAmmunition(weapon)) countSkillsOf(second);
    if (IsWeapon(weapon) && IsWeapon(second)) CountSkillUse(kSkillDualWield);
}
