#pragma once
// SItem: one item that exists in the world (in a chest, on the floor, in a pack): its item type,
// one amount, and for items the player changed (a written scroll, a filled wand, a brewed potion) an
// effect list of its own.
#include <cstdint>
#include <memory>

#include "data/effects/effect_list.h"

class SArchive;
class SItemType;
class SItemTypeNames;
class SRandom;

class SItem {
public:
    // The condition percent that makes a new item whole.
    static constexpr int kFullCondition = -1;

    // A new item of the type, without a list of its own. The amount: Random(10) + 10 for
    // ammunition; for items that wear down (weapons, armour, alchemy and repair tools, keys and
    // lockpicks) the percent of the maximum condition, at most the maximum; a wand's full charges;
    // 0 for anything else.
    static std::unique_ptr<SItem> Create(const SItemType& type, int conditionPercent, SRandom& random);

    SItem() = default;
    explicit SItem(const SItemType& type) : m_type(&type) {}
    SItem(const SItem&) = delete;
    SItem& operator=(const SItem&) = delete;

    // The item's own list, else its type's; null without either.
    const SEffectList* Effects() const;

    // Condition tests; a maximum condition of 0 counts as undamaged.
    bool IsFull() const;
    // Below a tenth of the maximum.
    bool IsNearlyBroken() const;
    void RepairFully();
    // Saturates instead of wrapping.
    void AddAmount(uint32_t amount);
    // Not below 0.
    void TakeAmount(uint32_t amount);
    // A wand back to the full charges of its first effect.
    void Recharge();

    // The saved-game form: the aligned u16 index of the type's name, a byte of presence bits (1 an
    // amount, 4 an own list), the aligned u16 amount, the own list in its saved form. An amount
    // beyond the u16 is saved as 65535. Reading sets a null type for an index that names no
    // item type.
    void SerializeSaved(SArchive& archive, SItemTypeNames& names);

    const SItemType* m_type = nullptr;  // never null in a container
    // A count for ammunition, the condition for items that wear down, the charges of a wand; 0
    // for the rest.
    uint32_t m_amount = 0;
    std::unique_ptr<SEffectList> m_effects;
};

// The charges of a full wand with this list: its first effect's base magnitude, 0 without one.
uint32_t FullCharges(const SEffectList* effects);
