// The starting kit of a new game: what the chosen race and major skills give the new character.
#include <algorithm>
#include <vector>

#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/player/character_choice.h"
#include "data/player/player.h"
#include "data/rules/character_ids.h"
#include "data/rules/race_table.h"
#include "engine/base/random.h"

namespace {

constexpr const char* kRaceWords[] = {"rasvim", "etherim", "seiry", "derth", "nogur"};
constexpr uint32_t kSeiry = 3;
constexpr uint8_t kKitFoodCount = 4;

struct SpellKit {
    uint8_t skill;
    const char* book;
    const char* spell;
};
constexpr SpellKit kSpellKits[] = {
    {kSkillHealMagic, "base_spbookcurelightwounds", "base_spellcurelightwounds"},
    {kSkillProtectionMagic, "base_spbookstoneskin", "base_spellstoneskin"},
    {kSkillAttackMagic, "base_spbookburninghand", "base_spellburninghand"},
    {kSkillMindMagic, "base_spbookcurse", "base_spellcurse"},
    {kSkillUndeadMagic, "base_spbookdrainhealth", "base_spelldrainhealth"},
    {kSkillEnvironmentMagic, "base_spbookfeather", "base_spellfeather"},
};

// Skill items that are carried, not worn.
struct CarriedKit {
    uint8_t skill;
    std::vector<const char*> items;
};
const CarriedKit kCarriedKits[] = {
    {kSkillRepair, {"base_repair_hammerapprentice", "base_repair_hammerapprentice"}},
    {kSkillMercantile, {"base_money_100", "base_gem_amethyst"}},
    {kSkillAlchemy,
     {"base_alc_mortarbeginner", "base_alc_alkieberries", "base_alc_criminivulgaris", "base_alc_ladyslipper",
      "base_alc_moonshinemushies", "base_alc_powerberries", "base_alc_purplefairyring"}},
    {kSkillPersuade, {"base_money_100"}},
    {kSkillLockpick, {"base_key_lockpickbeginner"}},
    {kSkillDisarm, {"base_scrdisarm"}},
};

constexpr const char* kStartScripts[] = {"base_startgamerasvim", "base_startgameetherim", "base_startgameseiry",
                                         "base_startgamederth", "base_startgamenogur"};

}  // namespace

SItem* SPlayer::giveKitItem(const char* name) {
    const SItemType* type = m_rules.items ? m_rules.items->FindItemType(name) : nullptr;
    return type ? AddItems(*type, 1) : nullptr;
}

bool SPlayer::giveStartingFood() {
    if (m_rules.items == nullptr || m_rules.random == nullptr) return false;
    // The undead start with spoilt food, the others with wholesome food.
    const bool spoilt = IsUndead();
    std::vector<const SItemType*> comestibles;
    for (int i = 0; i < m_rules.items->ItemTypeCount(); ++i) {
        const SItemType* type = m_rules.items->ItemTypeAt(i);
        if (type->m_class == kItemComestible) comestibles.push_back(type);
    }
    const auto fits = [spoilt](const SItemType* type, uint8_t subtype) {
        return type->m_subtype == subtype && ((type->m_flags & kItemSpoilt) != 0) == spoilt;
    };
    // The draw repeats until both kinds are taken: it can only end when the world has both.
    for (const uint8_t subtype : {kComestibleFood, kComestibleWater})
        if (std::none_of(comestibles.begin(), comestibles.end(),
                         [&](const SItemType* type) { return fits(type, subtype); }))
            return false;
    const SItemType* taken[2] = {nullptr, nullptr};
    while (taken[0] == nullptr || taken[1] == nullptr) {
        const SItemType* type = comestibles[size_t(m_rules.random->Next(int32_t(comestibles.size())))];
        for (const uint8_t subtype : {kComestibleFood, kComestibleWater})
            if (taken[subtype - 1] == nullptr && fits(type, subtype)) taken[subtype - 1] = type;
    }
    for (const SItemType* type : taken) AddItems(*type, kKitFoodCount);
    return true;
}

bool SPlayer::GiveStartingKit(const SCharacterChoice& choice) {
    const auto major = [&choice](uint8_t skill) {
        return std::find(choice.majorSkills.begin(), choice.majorSkills.end(), skill) != choice.majorSkills.end();
    };
    m_race = std::clamp<uint32_t>(choice.race, 1, uint32_t(std::size(kRaceWords)));
    m_name.Assign(choice.name.c_str());
    if (const SRaceDef* race = m_rules.races ? m_rules.races->Entry(int(m_race)) : nullptr)
        AddAbility(race->id.Text(), false);
    m_face.Assign(choice.face.c_str());
    m_gender = choice.gender;

    const std::string raceWord = kRaceWords[m_race - 1];
    giveKitItem(("base_race_" + raceWord + "_book").c_str());
    giveKitItem(("base_race_" + raceWord + "_start").c_str());
    const char* potion = IsUndead() ? "base_punholysmall" : "base_phealsmall";
    giveKitItem(potion);
    giveKitItem(potion);
    giveKitItem("base_pmanasmall");
    if (!giveStartingFood()) return false;

    m_gold = m_race == kSeiry ? 600 : 500;
    m_permanentPotions = 0;
    for (uint32_t attribute = 1; attribute <= kLastAttribute; ++attribute) m_attributes[attribute] = 15;
    ReapplyAbilities();
    m_hp = int16_t(GetMaxHp());
    m_mana = int16_t(GetMaxMana());
    for (size_t i = 0; i < m_majorSkills.size(); ++i) {
        m_majorSkills[i] = choice.majorSkills[i];
        SetBaseSkill(m_majorSkills[i], uint16_t(15 + m_rules.random->Next(5)));
    }

    // The pieces to wear; a later choice for the same place replaces an earlier one.
    SItem* mainHand = nullptr;
    SItem* secondHand = nullptr;
    SItem* ammunition = nullptr;
    SItem* armour = nullptr;
    SItem* cloak = nullptr;
    SItem* boots = giveKitItem("base_boots_fur");
    if (!major(kSkillBlock) && !major(kSkillDualWield)) secondHand = giveKitItem("base_shield_smallwooden");
    for (const uint8_t skill : choice.majorSkills) {
        switch (skill) {
            case kSkillBlock:
                if (SItem* shield = giveKitItem("base_shield_woodenround");
                    !major(kSkillDualWield) && !major(kSkillAccuracy))
                    secondHand = shield;
                break;
            case kSkillLightWeapon:
                if (SItem* sword = giveKitItem("base_weap_shortswordcheap"); major(kSkillDualWield))
                    secondHand = sword;
                else if (!major(kSkillHeavyWeapon))
                    mainHand = sword;
                break;
            case kSkillHeavyWeapon: mainHand = giveKitItem("base_weap_greatcudgel2"); break;
            case kSkillDualWield:
                if (!major(kSkillLightWeapon)) secondHand = giveKitItem("base_weap_dirkcheap");
                if (!major(kSkillHeavyWeapon)) mainHand = giveKitItem("base_weap_greatcudgel2");
                break;
            case kSkillLightArmor:
                if (SItem* mail = giveKitItem("base_mail_frayedleather"); !major(kSkillHeavyArmor)) armour = mail;
                break;
            case kSkillHeavyArmor: armour = giveKitItem("base_mail_scalecheap"); break;
            case kSkillAccuracy:
                if (SItem* bow = giveKitItem("base_weap_shortbowcheap"); !major(kSkillDualWield)) mainHand = bow;
                ammunition = giveKitItem("base_quiver_cheap");
                break;
            case kSkillStealth: cloak = giveKitItem("base_robe_clothcape"); break;
            default: break;
        }
        for (const SpellKit& kit : kSpellKits) {
            if (kit.skill != skill) continue;
            giveKitItem(kit.book);
            LearnSpell(kit.spell, false);
        }
        for (const CarriedKit& kit : kCarriedKits)
            if (kit.skill == skill)
                for (const char* item : kit.items) giveKitItem(item);
    }
    EquipItem(mainHand, false);
    EquipItem(secondHand, true);
    EquipItem(ammunition, false);
    EquipItem(armour, false);
    EquipItem(boots, false);
    EquipItem(cloak, false);

    size_t other = 0;
    for (uint8_t skill = 1; skill <= kLastSkill && other < m_otherSkills.size(); ++skill) {
        if (major(skill)) continue;
        m_otherSkills[other++] = skill;
        SetBaseSkill(skill, uint16_t(10 + m_rules.random->Next(5)));
    }
    m_startScript.Assign(kStartScripts[m_race - 1]);
    return true;
}
