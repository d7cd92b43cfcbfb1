#pragma once
// Item types, effects and the stand-ins the item rules ask of the rest of the game, built in memory
// for the item and alchemy tests.
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/items/item_database.h"
#include "data/items/item_type_names.h"
#include "data/items/item_user.h"
#include "data/items/wand_pricing.h"

// An item type of the class and subtype; every other field keeps its default.
inline std::unique_ptr<SItemType> MakeItemType(const char* name, uint8_t itemClass, uint8_t subtype = 1,
                                               const char* displayName = "") {
    auto type = std::make_unique<SItemType>();
    type->m_name.Set(name);
    type->m_class = itemClass;
    type->m_subtype = subtype;
    type->m_displayName.Assign(displayName);
    return type;
}

inline std::unique_ptr<SEffect> ItemEffect(uint8_t type, int16_t magnitude = 0, uint8_t subTarget = 0,
                                           const char* target = "", uint8_t source = kSourceConstant) {
    auto effect = std::make_unique<SEffect>();
    effect->m_type = type;
    effect->m_baseMagnitude = magnitude;
    effect->m_subTarget = subTarget;
    effect->m_source = source;
    effect->m_target.Assign(target);
    return effect;
}

// A list of the value holding the effects, which it takes.
inline std::unique_ptr<SEffectList> EffectListOf(std::vector<std::unique_ptr<SEffect>> effects, uint32_t value = 0) {
    auto list = std::make_unique<SEffectList>();
    list->m_value = value;
    for (auto& effect : effects) list->Add(std::move(effect));
    return list;
}

// A name table as saved games and packages keep one: index 0 is the empty name, names intern from
// 1 in the order they are first met, and indexes find their types in the database.
class TestItemNames : public SItemTypeNames {
public:
    explicit TestItemNames(const SItemDatabase& items) : m_items(items) {}

    uint16_t InternItemType(const char* name) override {
        for (size_t i = 1; i < names.size(); ++i)
            if (names[i] == name) return uint16_t(i);
        names.emplace_back(name);
        return uint16_t(names.size() - 1);
    }
    SItemType* GetItemType(uint16_t index) const override {
        return index > 0 && index < names.size() ? m_items.FindItemType(names[index].c_str()) : nullptr;
    }

    std::vector<std::string> names{""};

private:
    const SItemDatabase& m_items;
};

// A wielder with set skills, skill bonuses and attributes (with their bonuses); 0 where none is set.
// As a reader it may learn, knows and has read what its sets name, may use every wand and scroll
// unless told otherwise, and may raise every skill but those it is barred from.
class TestItemUser : public SItemUser {
public:
    int Race() const override { return race; }
    int32_t SkillValue(uint32_t skill) const override { return skills.count(skill) ? skills.at(skill) : 0; }
    int32_t FortifySkillTotal(uint32_t skill) const override { return fortify.count(skill) ? fortify.at(skill) : 0; }
    int32_t AttributeTotal(uint32_t attribute) const override {
        return attributes.count(attribute) ? attributes.at(attribute) : 0;
    }
    bool IsCursed() const override { return cursed; }
    bool IsSchoolAllowed(const SSpellType& spell) const override { return !barredSchools.count(spell.m_school); }
    bool KnowsSpell(const SSpellType& spell) const override { return knownSpells.count(spell.m_name.Text()) > 0; }
    bool CanUseWand(const SItem&) const override { return canUseWands; }
    bool CanReadScroll(const SItem&) const override { return canReadScrolls; }
    bool HasReadBook(const char* name) const override { return readBooks.count(name) > 0; }
    bool CanRaiseSkill(uint32_t skill) const override { return !maxedSkills.count(skill); }

    int race = 2;
    std::map<uint32_t, int32_t> skills;
    std::map<uint32_t, int32_t> fortify;
    std::map<uint32_t, int32_t> attributes;
    bool cursed = false;
    std::set<int> barredSchools;
    std::set<std::string> knownSpells;
    bool canUseWands = true;
    bool canReadScrolls = true;
    std::set<std::string> readBooks;
    std::set<uint32_t> maxedSkills;
};

// Prices a wand at 30 gold per charge left, and notes what it was asked.
class TestWandPricing : public SWandPricing {
public:
    uint32_t WandValue(const SEffectList& effects, uint32_t charges) const override {
        askedList = &effects;
        return effects.Count() > 0 ? 30 * charges : 0;
    }
    mutable const SEffectList* askedList = nullptr;
};
