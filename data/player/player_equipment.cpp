// What the player wears: the slots, the worn-item effects, wear and breaking, and the outfit.
#include <algorithm>

#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/player/player.h"
#include "data/player/worn_weapon.h"
#include "data/spells/spell_table.h"
#include "engine/base/random.h"

namespace {

// Carried weight, in hundredths, that wears the boots by one more point at most.
constexpr uint32_t kWeightPerBootWear = 20000;
// The outfit points of the body armour count this much, those of every other piece kOtherDress.
constexpr int32_t kArmourDress = 20;
constexpr int32_t kOtherDress = 8;

}  // namespace

void SPlayer::EquipItem(SItem* item, bool second) {
    // Only what the pack owns: a slot must never outlive its piece.
    const bool owned = item && item->m_type && m_pack.Holds(item);
    const SEquipmentSlot slot = owned ? EquipmentSlotFor(*item->m_type, second) : kNoSlot;
    if (slot != kNoSlot) {
        // One piece in two slots would count twice, and outlive its removal from the pack in one.
        clearSlotsOf(item);
        m_equipment[slot] = item;
    }
    RecomputeEquipment();
}

void SPlayer::UnequipItem(SItem* item) {
    clearSlotsOf(item);
    RecomputeEquipment();
}

bool SPlayer::HasInSlots(const SItem* item) const {
    return item != nullptr && std::find(m_equipment.begin() + 1, m_equipment.end(), item) != m_equipment.end();
}

void SPlayer::clearSlotsOf(const SItem* item) {
    if (item == nullptr) return;
    std::replace(m_equipment.begin(), m_equipment.end(), const_cast<SItem*>(item), static_cast<SItem*>(nullptr));
}

void SPlayer::RecomputeEquipment() {
    m_effects.RemoveByOrigin(kFromWornItem);
    for (uint32_t slot = kSlotHelm; slot <= kLastEquipmentSlot; ++slot) {
        const SItem* item = m_equipment[slot];
        if (!IsDressSlot(slot) || item == nullptr) continue;
        const SEffectList* effects = item->Effects();
        for (int i = 0; effects && i < effects->Count(); ++i) {
            const SEffect& effect = *effects->Get(i);
            if (effect.m_source == kSourceConstant) addLastingEffect(kFromWornItem, item, effect);
        }
    }
}

SItem* SPlayer::GetSecondWeapon() const {
    if (ShootsAmmunition(m_equipment[kSlotMainHand])) return m_equipment[kSlotAmmunition];
    SItem* second = m_equipment[kSlotSecondHand];
    return IsWeapon(second) ? second : nullptr;
}

void SPlayer::BreakItem(SItem* item, int32_t wear, SWearCause cause) {
    if (item == nullptr || item->m_type == nullptr) return;
    if (wear >= 0) item->TakeAmount(uint32_t(wear));
    // A type without a maximum condition cannot be worn down, and has no tenth to fall below.
    if (!item->IsNearlyBroken() || !HasInSlots(item)) return;
    UnequipItem(item);
    if (m_screen == nullptr) return;
    m_screen->UpdateHands();
    SString name;
    if (m_rules.spells) item->m_type->GetDisplayName(item, name, false, *m_rules.spells);
    SString text;
    text.Format(cause == SWearCause::Fighting ? "Your %s broke!." : "Your %s broke!", name.Text());
    queue(text.Text(), nullptr);
}

void SPlayer::WearBoots() {
    SItem* boots = m_equipment[kSlotBoots];
    if (boots == nullptr || m_rules.random == nullptr) return;
    const uint32_t wear = m_rules.random->Next(int32_t(SumItemWeights() / kWeightPerBootWear)) + 1;
    BreakItem(boots, int32_t(wear), SWearCause::Struck);
}

int32_t SPlayer::GetOutfitRating(bool& changed) const {
    int64_t sum = 0;
    for (uint32_t slot = kSlotHelm; slot <= kLastEquipmentSlot; ++slot) {
        const SItem* item = m_equipment[slot];
        if (!IsDressSlot(slot) || item == nullptr || item->m_type == nullptr) continue;
        sum += int64_t(item->m_type->GetOutfitValue(item)) * (slot == kSlotArmour ? kArmourDress : kOtherDress);
    }
    const int64_t rating = sum / 10 + m_effects.Total(kPlayerFortifyOutfit);
    const int32_t drunkenness = Drunkenness();
    changed = drunkenness != 0;
    const int64_t lowered = rating - int64_t(drunkenness) * rating / 100;
    return int32_t(std::clamp<int64_t>(lowered, 1, INT32_MAX));
}

const char* SPlayer::GetOutfitWord() const {
    struct SStep {
        int32_t below;
        const char* word;
    };
    static constexpr SStep kSteps[] = {{11, "threadbare"}, {21, "shabby"},       {41, "plain"},      {61, "regular"},
                                       {81, "dressy"},     {91, "well dressed"}, {96, "fashionable"}};
    bool changed = false;
    const int32_t rating = GetOutfitRating(changed);
    for (const SStep& step : kSteps)
        if (rating < step.below) return step.word;
    return "swell";
}
