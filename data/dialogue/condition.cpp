#include "data/dialogue/condition.h"

#include "data/dialogue/dialog_world.h"
#include "data/rules/character_ids.h"
#include "data/rules/undead.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kTag = 0x20;
constexpr int32_t kConditionQuestSolved = 1;
constexpr int32_t kConditionQuestFailed = 2;

// The number a code measures, or nothing for the codes that are true or false whatever the
// operator. Yes/no tests measure 1 or 0.
std::optional<int64_t> measure(const SCondition& c, const SDialogPerson* person, SDialogWorld& world) {
    const char* text = c.text.Text();
    const int32_t hour = HourOfDay(world.GameMinutes());
    switch (c.code) {
        case 2: return world.ConversationWord();
        case 3: return world.Crime();
        case 4: return world.Gold() >= uint64_t(world.Crime()) * 100;
        case 6: return world.Fame() >= 0;
        case 7: return world.Fame() < 0;
        case 8: return world.Fame();
        case 9: return world.OutfitRating();
        case 10: return world.HpPercent();
        case 11: return world.Level();
        case 12: return world.Race() == c.flag;
        case 13: return world.ArmourClass();
        // The attribute and skill numbers come from data: one outside the player's measures counts 0.
        case 14: return c.flag >= 1 && c.flag <= int32_t(kLastAttribute) ? world.Attribute(c.flag) : 0;
        case 15: return c.flag >= 1 && c.flag <= int32_t(kLastSkill) ? world.Skill(c.flag) : 0;
        case 16: return world.Race() == kUndeadRace;
        case 17: return person != nullptr && world.Race() == person->race;
        case 18: return world.CountOwnedItems(text);
        case 19: return world.HasDisease(text);
        case 20: return world.NamedObjectIs(text, SCreatureTest::Diseased);
        case 21: return world.PoisonTotal();
        case 22: return world.NamedObjectIs(text, SCreatureTest::Poisoned);
        case 23: return world.KnowsSpell(text);
        case 24: return world.HasLostXp();
        case 25: {
            const std::optional<uint32_t> price = world.PriceEntry(c.flag);
            return price.has_value() && world.Gold() >= *price;
        }
        case 26: return world.HasAbility(text);
        case 27: return 0;
        case 28: return world.NamedObjectState(text);
        case 29: return person != nullptr && person->shopOpen;
        case 30: return world.Random(100);
        case 31: return world.WeatherRoll();
        case 32: return world.RainIntensity();
        case 33: return hour;
        case 34: return world.GameMinutes() / 1440 + 1;
        case 35: return world.HoursSinceGlobal(text);
        case 36: return world.DaysSinceGlobal(text);
        case 37: return !IsNightHour(hour);
        case 38: return IsNightHour(hour);
        case 39: return world.GlobalValue(text).value_or(0);
        case 40: return world.NamedObjectIsDead(text);
        case 41: return world.NamedObjectIs(text, SCreatureTest::Aggressive);
        case 42: return world.QuestState(text).has_value();
        case 43: return (world.QuestState(text).value_or(0) & kConditionQuestSolved) != 0;
        case 44: return (world.QuestState(text).value_or(0) & kConditionQuestFailed) != 0;
        case 45: return world.IsCurrentWorld(text);
        case 46: return world.IsCurrentMap(text);
        case 47: return world.IsParalyzed();
        case 48: return world.NamedObjectIs(text, SCreatureTest::Paralyzed);
        case 49: return world.IsCursed();
        case 50: return world.NamedObjectIs(text, SCreatureTest::Cursed);
        case 51: return world.AnswerTextIsEmpty();
        case 52: return world.ContextObjectState().value_or(0);
        case 53: return world.IsMale();
        case 54: return world.ContextCreatureIs(SCreatureTest::Aggressive);
        case 55: return world.ContextCreatureIs(SCreatureTest::Paralyzed);
        case 56: return world.ContextCreatureIs(SCreatureTest::Diseased);
        case 57: return world.ContextCreatureIs(SCreatureTest::Cursed);
        case 58: return world.ContextCreatureIs(SCreatureTest::Poisoned);
        case 59: return world.ContextCreatureBaseTypeIs(text);
        case 60: return world.ContextCreatureMonsterIs(text);
        default: return std::nullopt;
    }
}

}  // namespace

bool CompareByOperator(uint8_t op, int64_t tested, int64_t value) {
    switch (op) {
        case 1: return tested == value;
        case 2: return tested != value;
        case 3: return tested > value;
        case 4: return tested >= value;
        case 5: return tested < value;
        case 6: return tested <= value;
        default: return false;
    }
}

void SCondition::Serialize(SArchive& archive) {
    archive.SerializeTag(kTag);
    archive.SerializeSString(text);
    archive.SerializeI16(value);
    auto signedCode = uint8_t(code);
    archive.SerializeU8(signedCode);
    code = int8_t(signedCode);
    archive.SerializeU8(op);
    archive.SerializeU8(flag);
}

bool SCondition::Evaluate(const SDialogPerson* person, SDialogWorld& world) const {
    if (code == 0) return true;
    const std::optional<int64_t> measured = measure(*this, person, world);
    return measured.has_value() && CompareByOperator(op, *measured, value);
}
