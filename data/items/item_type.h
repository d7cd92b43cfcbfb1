#pragma once
// SItemType: one kind of item of the world data (a long sword, a healing potion, a key): its names,
// class, numbers and effects, and the rules that read them for an item of the kind: condition
// scaling, price, display name, damage, the skills it trains.
#include <cstdint>
#include <memory>
#include <string>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/package/module_load_order.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
class SItem;
class SItemUser;
class SSpellTable;
class SWandPricing;
struct SEffectLookups;

// Flag bits of an item type.
enum SItemTypeFlag : uint8_t {
    kItemHomemade = 1,     // a potion the player brewed
    kItemLightWeapon = 2,  // trains and strikes with Light Weapon
    kItemSpoilt = 8,       // food only the undead race eats
    kItemUnlisted = 0x10,  // never offered in the spell book's and the potion dialog's lists
};

// Who may use an item, by the fame of the user.
enum SItemAlignment : uint8_t {
    kAlignmentAny,
    kAlignmentGood,  // fame 0 and above
    kAlignmentEvil,  // fame below 0
};

class SItemType {
public:
    static constexpr SModuleTable kTable = SModuleTable::Items;
    static constexpr uint16_t kDefaultMaxCondition = 1000;
    static constexpr uint8_t kMaxLevel = 6;

    // Texts are read as copies of their own: the database keeps no item-type records.
    SItemType() { m_name.SetOwned(); }
    SItemType(const SItemType&) = delete;
    SItemType& operator=(const SItemType&) = delete;

    const SName& NameKey() const { return m_name; }

    // Quivers, bolt quivers and throwing weapons: stacks whose amount counts them.
    bool IsAmmunition() const;
    // Wands and empty wands, whose amount counts their charges.
    bool IsWand() const;
    // Weapons other than ammunition, armour, alchemy and repair tools and lockpicks: their amount
    // is a condition, and their price follows it.
    bool HasConditionPrice() const;
    // The holder context its effect lists are described and priced with.
    SEffectContext GetEffectContext() const;
    // The skills using it trains; 0 for none.
    void GetTrainedSkills(uint32_t& primary, uint32_t& secondary) const;

    // The item's own effect list, else the type's; null without either. A null item is a new one.
    const SEffectList* EffectsOf(const SItem* item) const;

    // Damage, armour class and outfit points of an item in its condition (a null item is a new one
    // at full condition): value x condition / maximum, plus 1 from half the maximum on, never above
    // the value. Ammunition and accessories are not worn down, nor is anything whose maximum
    // condition is 0.
    uint32_t GetMinDamage(const SItem* item) const;
    uint32_t GetMaxDamage(const SItem* item) const;
    uint32_t GetArmorClass(const SItem* item) const;
    // The same, with the half step counted from the tenths digit of the condition.
    uint32_t GetOutfitValue(const SItem* item) const;

    bool HasPermanentAttributeEffect(const SItem* item) const;
    // An item that charges its holder with Undead spells serves only the undead race, one with Heal
    // spells every race but that one.
    bool IsUsableByRace(const SItem* item, int race, const SSpellTable& spells) const;

    // The price in gold: the base value, scaled by the condition of items that wear down, plus the
    // value of the effects (a wand's by its charges), or the enchant capacity when the item has no
    // effects. A new item adds only the type's effect value. Never more than the largest u32.
    uint32_t GetValue(const SItem* item, const SWandPricing& wands) const;
    // The price of a new item: the base value plus the value of the type's effects.
    uint32_t GetNewValue() const;
    // The name shown for the item: "'%s' book", "%s potion", "Scroll of %s" and the like. With
    // `bare` set, scrolls and wands show the plain spell or display name. Written scrolls and
    // filled wands name the spell of their own first effect ("Unknown" when the spell table lacks
    // it).
    void GetDisplayName(const SItem* item, SString& out, bool bare, const SSpellTable& spells) const;
    // The description an inventory or a shop shows, in place of `out`'s text: the class, damage or
    // armour class, weight, alignment, outfit and condition, the effects (or how far the item may be
    // enchanted), and what the reader can do with a spellbook, wand, scroll or book. Small screens
    // put a line's parts after each other; `details` shows the condition and outfit as numbers.
    void GetDescription(const SItem* item, const SEffectLookups& lookups, const SItemUser& reader, uint32_t screenMode,
                        bool details, SString& out) const;
    // The user's damage with the item as a weapon (in the off hand when `offHand` is set): the
    // condition-scaled damage raised by the user's skills and attributes, and halved above the
    // minimum while the user is cursed.
    void GetDamageRange(const SItem* item, const SItemUser& user, bool offHand, int32_t& min, int32_t& max) const;

    // Tag 21 and the name; the first text, the equipment record name, the display name; from data
    // version 62 to 72 a text that is read and dropped; two texts and the palette name; from 114
    // the seventh text; the optional effect list; the value, weight, damages, armour class,
    // enchant capacity and maximum condition; level, class, subtype, alignment and flags; from 64
    // the outfit points and from 85 the stock weight.
    void Serialize(SArchive& archive, int version);
    // A class none of the seventeen, or a damaged effect.
    std::string Fault() const;

    SName m_name;
    // Read and written back for the screens that give them their meaning.
    SString m_firstText;
    SString m_fourthText;
    SString m_fifthText;
    SString m_seventhText;
    SString m_equipName;  // the equipment record (SEquipPicture) that gives the pictures
    SString m_displayName;
    SString m_paletteName;  // recolours the first-person sprite
    std::unique_ptr<SEffectList> m_effects;
    uint32_t m_baseValue = 0;  // gold
    uint16_t m_weight = 0;     // hundredths
    uint16_t m_minDamage = 0;
    uint16_t m_maxDamage = 0;
    uint16_t m_armorClass = 0;
    uint16_t m_enchantCapacity = 0;  // what enchanting may fill
    uint16_t m_maxCondition = kDefaultMaxCondition;
    // The inventory picture's slot in the resource cache, set when the tables are built.
    uint32_t m_pictureSlot = 0;
    uint8_t m_outfit = 0;
    uint8_t m_level = 0;  // 1..6; 0 never turns up as loot or stock
    uint8_t m_stockWeight = 1;
    uint8_t m_class = 0;
    uint8_t m_subtype = 0;
    uint8_t m_alignment = kAlignmentAny;
    uint8_t m_flags = 0;
};
