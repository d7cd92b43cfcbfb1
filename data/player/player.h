#pragma once
// SPlayer: the player character: name and portrait, hit points and mana, level and experience,
// attributes and skills, gold, spells, quests, the pack and what is worn, abilities, diseases,
// books read, marks, fame, crime, race and the active effects. The rule tables it reads are given
// by SPlayerRules; what it reports goes to the outputs of player_outputs.h.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/items/item_list.h"
#include "data/items/item_user.h"
#include "data/player/active_effects.h"
#include "data/player/equipment_slot.h"
#include "data/player/mark_record.h"
#include "data/player/player_outputs.h"
#include "data/player/quest_entry.h"
#include "data/rules/character_ids.h"
#include "data/rules/undead.h"
#include "data/spells/spell_schools.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"
#include "script/script_value.h"

class SArchive;
class SAttributeTable;
struct SCharacterChoice;
struct SCreature;
class SItemDatabase;
class SItemType;
class SMap;
class SModule;
class SModuleList;
class SPlayerSaveNames;
class SPlayerWorld;
struct SMonsterContext;
class SQuestTable;
class SRaceTable;
class SRandom;
class SSkillTable;
class SSpellTable;
class SSpellType;

// The tables and the generator the player's rules read; all of them live as long as the player.
// What names an item, spell, quest, ability or disease finds nothing without its table.
struct SPlayerRules {
    const SAttributeTable* attributes = nullptr;
    const SSkillTable* skills = nullptr;
    const SRaceTable* races = nullptr;
    const SModuleList* packages = nullptr;
    SRandom* random = nullptr;
    const SItemDatabase* items = nullptr;
    const SSpellTable* spells = nullptr;
    const SQuestTable* quests = nullptr;
    const SAbilityTable* abilities = nullptr;
    const SDiseaseTable* diseases = nullptr;
};

// What wore a piece down, which its breaking message tells.
enum class SWearCause { Fighting, Struck };

class SPlayer : public SItemUser {
public:
    static constexpr uint32_t kAttributeCount = 6;  // index 0 unused
    static constexpr uint32_t kSkillCount = 21;     // index 0 unused
    static constexpr uint32_t kLastAttribute = ::kLastAttribute;
    static constexpr uint32_t kLastSkill = ::kLastSkill;
    static constexpr uint32_t kEquipmentSlots = kLastEquipmentSlot + 1;  // index 0 unused
    static constexpr uint32_t kMaxGold = 1000000000;
    static constexpr int32_t kMaxFame = 1000;
    static constexpr uint32_t kMaxCrime = 1000;
    static constexpr uint8_t kHeaderKindInGame = 17;

    SPlayer();
    ~SPlayer() override = default;
    SPlayer(const SPlayer&) = delete;
    SPlayer& operator=(const SPlayer&) = delete;

    void Attach(const SPlayerRules& rules, SMessageOutput* output, SPlayerScreen* screen);
    // The play screen that replaced the one attached; null for none.
    void AttachScreen(SPlayerScreen* screen) { m_screen = screen; }
    // Marks the record as the game's own player.
    void SetHeaderKind() { m_headerKind = kHeaderKindInGame; }
    uint8_t HeaderKind() const { return m_headerKind; }
    // Frees everything the player holds and returns to the construction defaults.
    void Clear();
    // The new-game defaults, only while the base world is the current package: any other world
    // sets up its own player.
    void ResetForNewGame();

    // The starting kit of the character chosen, after the new-game defaults: race, name, portrait,
    // the race's ability, books, potions, food and water, gold, the major skills with their items
    // and spells, the pieces worn, the other skills and the start script. The world's missing item
    // types are skipped. False when the world offers no food or no water the race starts with,
    // which the kit cannot do without.
    bool GiveStartingKit(const SCharacterChoice& choice);

    // Accessors.
    const SString& Name() const { return m_name; }
    const SString& Face() const { return m_face; }
    void SetFace(const char* name) { m_face.Assign(name); }
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
    // A potion with a permanent effect was drunk; a level advance starts the count again.
    void CountPermanentPotion() {
        if (m_permanentPotions < UINT8_MAX) ++m_permanentPotions;
    }
    const SString& StartScript() const { return m_startScript; }
    // The character-creation choices.
    void SetRace(uint32_t race) { m_race = race; }
    void SetName(const char* name) { m_name.Assign(name); }
    void SetBaseAttribute(uint32_t attribute, uint16_t value);
    void SetBaseSkill(uint32_t skill, uint16_t value);
    // The order the character sheet lists the skills in: the primary ones, then the others.
    void SetSkillOrder(const std::array<uint8_t, 6>& major, const std::array<uint8_t, 14>& other) {
        m_majorSkills = major;
        m_otherSkills = other;
    }
    SItem* MainHandWeapon() const { return m_equipment[kSlotMainHand]; }
    // Null outside the records held.
    SMarkRecord* Mark(int index) const { return m_marks.At(index); }
    int MarkCount() const { return m_marks.Count(); }
    const SItemList& Pack() const { return m_pack; }
    SItem* Item(int index) const { return m_pack.At(index); }
    int ItemCount() const { return m_pack.Count(); }
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
    // Takes back raises of the attribute: its base lowers and its allowance grows by the count.
    void TakeBackAttributeRaises(uint32_t attribute, uint32_t count);
    void ReturnAttributePoints(uint32_t points);
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
    bool CanRaiseSkill(uint32_t skill) const override;
    // Answers the points paid: 1 for a major skill, 2 for another.
    uint32_t RaiseSkill(uint32_t skill);
    // Takes back raises of the skill: its base lowers and its allowance grows by the count.
    void TakeBackSkillRaises(uint32_t skill, uint32_t count);
    void ReturnSkillPoints(uint32_t points);
    // The skill ids of the character sheet's rows, as the record holds them (0 for an empty row).
    static constexpr int kMajorSkillRows = 6;
    static constexpr int kOtherSkillRows = 14;
    const std::array<uint8_t, kMajorSkillRows>& MajorSkills() const { return m_majorSkills; }
    const std::array<uint8_t, kOtherSkillRows>& OtherSkills() const { return m_otherSkills; }
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

    // Equipment: pieces of the pack. A piece that leaves its slot stays in the pack; an item is
    // worn in one slot at most, so that wearing it elsewhere moves it. Every change rebuilds the
    // worn-item effects.
    void EquipItem(SItem* item, bool second);
    // The worn-item effects of every dress slot, rebuilt: after a worn piece's effects changed.
    void RecomputeEquipment();
    void UnequipItem(SItem* item);
    bool HasInSlots(const SItem* item) const;
    // Null outside slots 1..13.
    SItem* EquippedItem(uint32_t slot) const { return slot < kEquipmentSlots ? m_equipment[slot] : nullptr; }
    // The ammunition of a bow or crossbow in the main hand; else a weapon in the second hand.
    SItem* GetSecondWeapon() const;
    // Wear (none when negative) lowers the condition, not below 0. A worn piece that is left with
    // less than a tenth of its maximum condition breaks: it leaves its slot and stays in the pack.
    void BreakItem(SItem* item, int32_t wear, SWearCause cause);
    // A game minute's walk in the boots: the heavier the pack, the more they wear.
    void WearBoots();
    // The dress of the worn pieces and Fortify outfit, at least 1; drunkenness lowers it and sets
    // changed.
    int32_t GetOutfitRating(bool& changed) const;
    const char* GetOutfitWord() const;

    // The pack. Money never stays in it: it turns into gold, which never passes kMaxGold.
    // n new items of the type, each as a new item of the kind is made; the last one made.
    SItem* AddItems(const SItemType& type, int32_t n);
    void AddOwnedItem(std::unique_ptr<SItem> item);
    // Out of the slots and the pack, to the caller; null when the pack does not hold it.
    std::unique_ptr<SItem> RemoveOwnedItem(SItem* item);
    // A potion drunk, a wand without charges, ammunition shot: gone when its amount is 0.
    void DeleteItemIfUsedUp(SItem* item);
    void RemoveOwnedItemsOfType(const SItemType* type, int32_t n);
    // By item-type name, with their messages; an unknown type, n below 1 or too few owned items
    // do nothing and say nothing.
    void RemoveItems(const char* name, int32_t n);
    void ReceiveItems(const char* name, int32_t n, bool announce);
    void FindItems(const char* name, int32_t n, bool announce);
    int CountOwnedItemsByName(const char* name) const;
    // In hundredths: one type weight per item, whatever its amount.
    uint32_t SumItemWeights() const;
    void UseCharge(SItem* item);
    void ReceiveGold(uint32_t amount, bool announce, bool found);
    // Never below 0.
    void RemoveGold(uint32_t amount, bool announce);

    // What the pack allows.
    bool HasLockpick() const;
    bool HasEnchantableItem() const;
    // Food and water the race eats: spoilt food only the undead.
    bool HasFoodAndWater() const;
    void ConsumeFoodAndWater();
    // The Create food effect: one food and one drink the race eats, when the world has any.
    void CreateFood();
    // Weapons, armour and accessories only; good pieces serve fame 0 and more, evil ones less.
    bool CanUseByAlignment(const SItem& item) const;
    bool CanUseWand(const SItem& item) const override;
    bool CanReadScroll(const SItem& item) const override;

    // Spells. The race's barred school (Heal for the undead, Undead for the others) cannot be
    // learned.
    void LearnSpell(const char* name, bool announce);
    void ForgetSpell(const char* name);
    bool KnowsSpell(const SSpellType& spell) const override;
    bool KnowsSpellByName(const char* name) const;
    bool KnowsAnySpell() const;
    // The spells known of a school, in the order learned; empty outside the schools.
    const std::vector<const SSpellType*>& KnownSpells(int school) const;
    bool IsSpellAllowedForRace(const char* name) const;
    bool IsSchoolAllowed(const SSpellType& spell) const override;
    // A known spell, cast by the play screen with that value.
    void CastSpellByName(const char* name, int32_t value);

    // Quests, by the quest table's names.
    void AddQuest(const char* name);
    void EndQuest(const char* name, bool solved);
    void RemoveQuest(const char* name);
    SQuestEntry* FindQuest(const char* name) const { return m_quests.FindByName(name); }
    // In the order given.
    const SPtrArray<SQuestEntry>& Quests() const { return m_quests; }
    bool HasQuest(const char* name) const { return FindQuest(name) != nullptr; }
    bool IsQuestSolved(const char* name) const;
    bool IsQuestFailed(const char* name) const;

    // Abilities and diseases, by their tables' names; their effects are rebuilt on every change.
    void AddAbility(const char* name, bool announce);
    void RemoveAbility(const char* name);
    bool HasAbility(const char* name) const;
    void ReapplyAbilities();
    // In the order gained and caught.
    const SPtrArray<SAbility>& Abilities() const { return m_abilities; }
    const SPtrArray<SDisease>& Diseases() const { return m_diseases; }
    void InfectDisease(const char* name, bool announce);
    void CureDisease(const char* name, bool announce);
    // A null or empty name asks for any disease.
    bool HasDisease(const char* name) const;
    void ReapplyDiseases();
    // The first disease's display name, "" without one.
    void GetFirstDiseaseTitle(SString& out) const;

    // Books read, by item-type name.
    void MarkBookRead(const char* name);
    bool HasReadBook(const char* name) const override;

    // Mark and recall: a record for every 5 points of Intelligence, at least 1; records once
    // made stay.
    void UpdateMarkSlots();
    // Record `index` (when held) marks the place on the map of the package.
    void SetMark(int index, const SModule& package, const SMap& map, uint8_t x, uint8_t y, uint8_t direction);
    bool HasMarkedPosition() const;

    // Fame within -kMaxFame..kMaxFame, crime within 0..kMaxCrime, each change announced.
    void AddFame(int32_t delta);
    const char* GetFameTitle() const;
    void AddCrime(int32_t delta);
    void ClearCrime();
    bool CanPayCrimeFine() const { return uint64_t(m_gold) >= uint64_t(m_crime) * 100; }

    // Combat (player_combat.cpp).
    // The worn armour scaled by the armour skills, shields counted `shieldFactor` times, with
    // Dexterity and Fortify ac; changed is set when Fortify ac counted or the player is drunk.
    int32_t GetArmorClass(bool& changed, uint32_t shieldFactor) const;
    int32_t GetArmorClass() const;
    // A blow the shield took may be blocked by the Block skill: the shield then counts two or
    // three times.
    int32_t GetArmorClassWithBlock(bool shieldHit);
    // The wielded weapons' range, or the fists'; halved while overloaded. With `wear` the weapons
    // wear by what they dealt.
    void GetDamageRange(int32_t& min, int32_t& max, bool wear);
    int32_t RollDamage(bool wear);
    // A blow at the creature past its monster's armour class; a blow the armour took whole may
    // still graze for up to 4. Counts the weapon skills' use.
    int32_t RollHitDamage(const SCreature* target);
    void CountWeaponUse();
    // The blow of the attacker's monster from side 0..3 of the attacker's view, or -1 for the side
    // the play screen stored with the acting creature; `weatherFlag` lets rain and night on the
    // surface weaken it (missiles).
    void TakeHit(SMonsterContext& context, SCreature& attacker, int32_t side, bool weatherFlag);
    // The piece a blow from that side of the player's view wears; headingDegrees is where the
    // player looks. shieldHit is set when the shield took the blow.
    void WearArmorOnHit(int32_t wear, int32_t side, int32_t headingDegrees, bool& shieldHit);
    // What a monster's strike does past the player's resistances.
    void PoisonAttack(int32_t amount);
    void CurseAttack(int32_t minutes);
    void ParalyzeAttack(int32_t minutes);
    // Answer the hit points or mana the strike took: 0 when resisted.
    int32_t DamageResisted(int32_t amount);
    int32_t DrainManaResisted(int32_t amount);
    void TryInfect(const char* disease);
    // Hit points lost to a trap, shown as a blow from that side.
    void ApplyTrapDamage(int32_t amount, int32_t side);

    // A script command with the player as its target (player_commands.cpp): the first argument
    // names what it acts on, the others give numbers or texts. A query stores its result; commands
    // that are not the player's leave none. Requests to move or ask go to the world. Answers 0,
    // which lets the script go on.
    uint32_t ExecuteScriptCommand(SPlayerWorld& world, uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                                  const SScriptValue& arg3, std::optional<SScriptValue>& result);

    // Record 3003 of a saved game at that version (the game writes the newest; tests write older
    // ones). Item types and spells go by the save's name tables.
    void WriteSaveRecord(SArchive& archive, int version, SPlayerSaveNames& names);
    // Over the new-game defaults. What the data no longer has (spells, quests, items, abilities,
    // diseases, books, effect sources) is dropped one by one; the worn-item, disease and ability
    // effects are rebuilt. False for a record cut short (the archive failed) or one holding what
    // no player can have, which `fault` names.
    bool ReadSaveRecord(SArchive& archive, int version, SPlayerSaveNames& names, std::string& fault);

private:
    // The character's own values, both directions, by the save's version.
    bool serializeCharacter(SArchive& archive, int version, std::string& fault);
    // Values read that the rules could not handle refuse the record; values past their limits
    // are brought within them.
    bool checkCharacter(std::string& fault);
    void resetState();
    void releaseHoldings();
    // One item of the type of that name, when the world has the type; the item made, or null.
    SItem* giveKitItem(const char* name);
    // Four items each of a food and a drink the race starts with, drawn from the world's.
    bool giveStartingFood();
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
    void clearSlotsOf(const SItem* item);
    void addGold(uint32_t amount);
    // Makes the items and tells of them with the verb ("received", "found").
    void giveItems(const char* name, int32_t n, bool announce, const char* verb);
    bool eats(const SItemType& type) const;
    // An effect of a worn piece, a disease or an ability, which lasts until its holder is rebuilt.
    void addLastingEffect(uint8_t origin, const void* source, const SEffect& effect);
    void applyAbility(const SAbility& ability);
    void applyDisease(const SDisease& disease);
    // A monster's timed effect that strikes past the resistance; answers whether it took hold.
    bool strikeTimedEffect(uint32_t kind, int32_t minutes, int32_t resistance);
    int32_t takeResisted(int16_t& value, int32_t maximum, int32_t amount);
    void strikeEffects(SCreature& attacker, int32_t net);

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
    std::array<uint8_t, kMajorSkillRows> m_majorSkills{};
    std::array<uint8_t, kOtherSkillRows> m_otherSkills{};
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
