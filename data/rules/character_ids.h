#pragma once
// The numbers of a character's five attributes and twenty skills, as the built-in tables, the
// saved player and the scripts number them (0 is none).
#include <cstdint>

enum SAttributeId : uint8_t {
    kStrength = 1,
    kDexterity,
    kEndurance,
    kIntelligence,
    kPersonality,
};

enum SSkillId : uint8_t {
    kSkillBlock = 1,
    kSkillLightWeapon,
    kSkillHeavyWeapon,
    kSkillDualWield,
    kSkillLightArmor,
    kSkillHeavyArmor,
    kSkillAccuracy,
    kSkillHealMagic,
    kSkillProtectionMagic,
    kSkillAttackMagic,
    kSkillMindMagic,
    kSkillUndeadMagic,
    kSkillEnvironmentMagic,
    kSkillRepair,
    kSkillMercantile,
    kSkillAlchemy,
    kSkillPersuade,
    kSkillLockpick,
    kSkillDisarm,
    kSkillStealth,
};

constexpr uint32_t kLastAttribute = kPersonality;
constexpr uint32_t kLastSkill = kSkillStealth;
