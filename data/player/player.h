#pragma once
// SPlayer: the player character: name and portrait, hit points and mana, level and experience,
// attributes and skills, gold, spells, quests, the pack and what is worn, abilities, diseases,
// books read, marks, fame, crime, race and the active effects. The rule tables it reads are given
// by SPlayerRules; what it reports goes to the outputs of player_outputs.h.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/items/item_list.h"
#include "data/items/item_user.h"
#include "data/player/active_effects.h"
#include "data/player/mark_record.h"
#include "data/player/player_outputs.h"
#include "data/player/quest_entry.h"
#include "data/spells/spell_schools.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SAttributeTable;
class SItemType;
class SModuleList;
class SRaceTable;
class SRandom;
class SSkillTable;
class SSpellType;

// The tables and the generator the player's rules read; all of them live as long as the player.
struct SPlayerRules {
    const SAttributeTable* attributes = nullptr;
    const SSkillTable* skills = nullptr;
    const SRaceTable* races = nullptr;
    const SModuleList* packages = nullptr;
    SRandom* random = nullptr;
};

class SPlayer : public SItemUser {
public:
    static constexpr uint32_t kAttributeCount = 6;  // index 0 unused
    static constexpr uint32_t kSkillCount = 21;     // index 0 unused
    static constexpr uint32_t kLastAttribute = 5;
    static constexpr uint32_t kLastSkill = 20;
    static constexpr uint32_t kEquipmentSlots = 14;  // index 0 unused
    static constexpr uint32_t kMainHandSlot = 5;
    static constexpr uint8_t kUndeadRace = 1;
    static constexpr uint8_t kHeaderKindInGame = 17;

    SPlayer();
    ~SPlayer() override = default;
    SPlayer(const SPlayer&) = delete;
    SPlayer& operator=(const SPlayer&) = delete;

    void Attach(const SPlayerRules& rules, SMessageOutput* output, SPlayerScreen* screen);
    // Marks the record as the game's own player.
    void SetHeaderKind() { m_headerKind = kHeaderKindInGame; }
    uint8_t HeaderKind() const { return m_headerKind; }
    // Frees everything the player holds and returns to the construction defaults.
    void Clear();
    // The new-game defaults, only while the base world is the current package: any other world
    // sets up its own player.
    void ResetForNewGame();

    // Accessors.
    const SString& Name() const { return m_name; }
    const SString& Face() const { return m_face; }
    bool IsMale() const { return m_gender != 0; }
    uint32_t Level() const { return m_level; }
    int Race() const override { return int(m_race); }
    bool IsUndead() const { return m_race == kUndeadRace; }
    uint32_t Crime() const { return m_crime; }
    int32_t Fame() const { return m_fame; }
    uint32_t Gold() const { return m_gold; }
    bool HasGold(uint32_t amount) const { return m_gold >= amount; }
    bool HasSavedXp() const { return m_savedXp != 0; }
    uint32_t PermanentPotions() const { return m_permanentPotions; }
    const SString& StartScript() const { return m_startScript; }
    // The character-creation choices.
    void SetRace(uint32_t race) { m_race = race; }
    void SetBaseAttribute(uint32_t attribute, uint16_t value);
    void SetBaseSkill(uint32_t skill, uint16_t value);
    SItem* MainHandWeapon() const { return m_equipment[kMainHandSlot]; }
    // Null outside the records held.
    SMarkRecord* Mark(int index) const { return m_marks.At(index); }
    SItem* Item(int index) const { return m_pack.At(index); }
    // The race table's id text and display name of the player's race; "" without the table.
    const char* RaceId() const;
    const char* RaceName() const;

    // Experience and levels.
    uint32_t Xp() const { return m_xp; }
    uint32_t SavedXp() const { return m_savedXp; }
    uint32_t NextLevelXp() const { return m_nextLevelXp; }
    uint32_t AttributePoints() const { return m_attributePoints; }
    uint32_t SkillPoints() const { return m_skillPoints; }
    // One level lost when the experience fell below the level's entry; otherwise every level the
    // experience reaches, paying its rewards unless it was held before.
    void CheckLevelUp();
    // A negative amount larger than the experience leaves 0.
    void AddXp(int32_t amount, bool announce);
    void RemoveXp(int32_t amount, bool announce, bool restorable);
    void RestoreSavedXp();
    // A Level drops strike: a hundredth of the experience, less the magic resistance's share.
    void DrainXp();

    // Attributes.
    // With drunkenness: changed is always set; without: set when a Fortify attribute counted.
    int32_t GetAttribute(uint32_t attribute, bool& changed, uint32_t& base, bool withDrunkenness) const;
    int32_t GetAttribute(uint32_t attribute) const;
    int32_t AttributeTotal(uint32_t attribute) const override { return GetAttribute(attribute); }
    uint32_t BaseAttribute(uint32_t attribute) const;
    int GetAttributeByName(const char* text) const;
    int32_t Drunkenness() const;
    bool IsHeavilyDrunk() const;
    void RaiseAttribute(uint32_t attribute);
    // At most 10 either way, and never below 1.
    void AddAttributeValue(uint32_t attribute, int32_t delta, bool announce);
    void AddAttributeValue(const char* name, int32_t delta, bool announce);

    // Skills. The excluded skill of the race reads 0 and cannot change.
    uint32_t ExcludedSkill() const { return IsUndead() ? 8 : 12; }
    int32_t SkillValue(uint32_t skill) const override;
    int32_t FortifySkillTotal(uint32_t skill) const override;
    // The base plus Fortify skill; 0 outside 1..20.
    int32_t GetSkillValue(uint32_t skill) const;
    int32_t GetSkillTotal(uint32_t skill, int32_t& bonus, int32_t& base) const;
    int GetSkillByName(const char* text) const;
    uint32_t UseCount(uint32_t skill) const { return skill < kSkillCount ? m_useCounters[skill] : 0; }
    uint32_t SkillAllowance(uint32_t skill) const { return skill < kSkillCount ? m_skillAllowance[skill] : 0; }
    uint32_t AttributeAllowance(uint32_t attribute) const;
    void CountSkillUse(uint32_t skill);
    bool CanRaiseSkill(uint32_t skill) const;
    // Answers the points paid: 1 for a major skill, 2 for another.
    uint32_t RaiseSkill(uint32_t skill);
    // Raises the (up to) three most used skills that can rise; their ids, 0 for an empty place.
    void ImproveMostUsedSkills(uint32_t& first, uint32_t& second, uint32_t& third);
    void AddSkillValue(uint32_t skill, int32_t delta, bool announce);
    void AddSkillValue(const char* name, int32_t delta, bool announce);
    // The id text of the first of the listed skills (names or ids, comma separated) with the
    // highest value; "" when none is above 0.
    const char* GetHighestSkill(const char* list) const;
    bool IsMajorSkill(uint32_t skill) const;

    // Hit points and mana.
    int32_t Hp() const { return m_hp; }
    int32_t Mana() const { return m_mana; }
    int32_t GetMaxHp() const;
    int32_t GetMaxHpForDisplay(bool& changed) const;
    int32_t GetHpPercent() const;
    void ChangeHp(int32_t delta, bool announce);
    void SetHp(int32_t value, bool announce);
    void SetFullHp(bool announce);
    int32_t GetMaxMana() const;
    int32_t GetMaxManaForDisplay(bool& changed) const;
    int32_t GetManaPercent() const;
    void ChangeMana(int32_t delta, bool announce);
    void SetMana(int32_t value, bool announce);
    void RestoreFullMana(bool announce);

    // Resistances in percent, at most 100; changed is set when a Resist effect counted or the
    // player is drunk.
    int32_t GetDiseaseResistance(bool& changed, int32_t& base) const;
    int32_t GetDiseaseResistance() const;
    int32_t GetDiseaseResistanceFor(const char* disease, bool& changed, int32_t& base) const;
    int32_t GetDiseaseResistanceFor(const char* disease) const;
    int32_t GetParalysisResistance(bool& changed, int32_t& base) const;
    int32_t GetParalysisResistance() const;
    int32_t GetPoisonResistance(bool& changed, int32_t& base) const;
    int32_t GetPoisonResistance() const;
    int32_t GetMagicResistance(bool& changed, int32_t& base) const;
    int32_t GetMagicResistance() const;

    // In hundredths, as item weights are.
    int32_t GetMaxCarryWeight() const;
    // The price a trade asks, lowered or raised by Persuade, Mercantile and Personality; never
    // wraps.
    uint32_t AdjustPrice(uint32_t price, bool lower) const;

    // Active effects.
    const SActiveEffects& Effects() const { return m_effects; }
    int32_t GetEffectTotal(uint32_t type, uint32_t subId = 0, const char* name = nullptr, bool* found = nullptr) const {
        return m_effects.Total(type, subId, name, found);
    }
    bool IsCursed() const override { return m_effects.Has(kPlayerCurse); }
    bool IsParalyzed() const { return m_effects.Has(kPlayerParalysis); }
    bool IsMagicImmune() const { return m_effects.Has(kPlayerMagicImmunity); }
    int32_t PoisonTotal() const { return m_effects.Total(kPlayerPoison); }
    // Announces a first poisoning or paralysis, then adds or strengthens the entry.
    void AddTimedEffect(uint8_t origin, const void* source, int32_t magnitude, uint32_t minutes, uint32_t kind,
                        uint32_t subId, const char* name);
    void PassTimeEffects(int32_t minutes);
    void RemoveTimedEffects(uint32_t kind);
    void RemoveEffectsBySource(uint8_t origin) { m_effects.RemoveByOrigin(origin); }
    void ClearEffects() { m_effects.Clear(); }
    void Dispel();
    // Poison hurts, but always leaves 1 hit point. Answers the poison's strength.
    int32_t ApplyPoisonDamage();
    // An alcoholic drink of that strength.
    void Drink(int32_t magnitude, const void* source);
    // What a used item (potion, food, drink) does: its own effects, else its type's.
    void ApplyItemEffects(const SItem& item);
    // A spell cast at the player at a level; a hostile one is resisted by the magic resistance.
    // Filtered casts skip the entries whose flag byte is 0.
    void ApplySpell(const SSpellType& spell, int32_t level, bool friendly, int32_t side, bool filter);

private:
    void resetState();
    void releaseHoldings();
    void show(const char* text) const;
    // "Your <what> has been increased by 3." (or decreased), for attribute and skill changes.
    void announceChange(const std::string& what, int32_t delta) const;
    void queue(const char* text, const char* sound) const;
    void refreshHpBar() const;
    void refreshManaBar() const;
    void payLevelRewards(uint32_t raised[3], int& raisedCount);
    void announceLevel(const uint32_t raised[3], int raisedCount) const;
    bool isUsableSkill(uint32_t skill) const { return skill >= 1 && skill <= kLastSkill && skill != ExcludedSkill(); }
    int32_t resistanceOf(int32_t base, uint32_t type, const char* name, bool& changed) const;
    int32_t changeVital(int16_t& value, int32_t maximum, int32_t delta);
    void lowerHpKeepingOne(int32_t amount);
    void announceVital(const char* what, int32_t change) const;

    SPlayerRules m_rules;
    SMessageOutput* m_output = nullptr;
    SPlayerScreen* m_screen = nullptr;
    uint8_t m_headerKind = 1;

    SString m_name;
    SString m_face;
    uint8_t m_gender = 1;
    int16_t m_hp = 40;
    int16_t m_mana = 40;
    uint8_t m_level = 1;
    uint32_t m_xp = 0;
    uint32_t m_peakXp = 0;
    uint32_t m_savedXp = 0;
    uint32_t m_nextLevelXp = 0;
    uint32_t m_gold = 0;
    uint8_t m_permanentPotions = 0;
    uint16_t m_attributes[kAttributeCount] = {};
    uint16_t m_skills[kSkillCount] = {};
    uint16_t m_attributePoints = 0;
    uint16_t m_attributeAllowance[kAttributeCount] = {};
    std::array<uint8_t, 6> m_majorSkills{};
    std::array<uint8_t, 14> m_otherSkills{};
    uint16_t m_skillPoints = 0;
    uint16_t m_skillAllowance[kSkillCount] = {};
    uint16_t m_useCounters[kSkillCount] = {};
    std::array<std::vector<const SSpellType*>, kSpellSchoolCount> m_knownSpells;  // by school
    SPtrArray<SQuestEntry> m_quests{4};
    SItemList m_pack;
    std::array<SItem*, kEquipmentSlots> m_equipment{};
    SPtrArray<SAbility> m_abilities{4, false};
    SPtrArray<SDisease> m_diseases{4, false};
    SPtrArray<char> m_booksRead{4};
    int16_t m_fame = 0;
    uint32_t m_crime = 0;
    uint32_t m_race = 1;
    SPtrArray<SMarkRecord> m_marks{4};
    SActiveEffects m_effects;
    SString m_startScript;
};
