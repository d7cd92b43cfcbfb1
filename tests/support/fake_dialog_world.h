#pragma once
// The game as conversations see it, with every value a field the test sets. Asking for an
// attribute or skill outside the player's throws, so that a condition that forgot its range check
// fails the test (or stops the fuzzer).
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dialogue/dialog_world.h"
#include "engine/base/random.h"

class FakeDialogWorld : public SDialogWorld {
public:
    FakeDialogWorld() { random.Seed(7); }

    int32_t Fame() const override { return fame; }
    uint32_t Crime() const override { return crime; }
    uint32_t Gold() const override { return gold; }
    int32_t Race() const override { return race; }
    bool IsMale() const override { return male; }
    int32_t Level() const override { return level; }
    int32_t HpPercent() const override { return hpPercent; }
    int32_t Attribute(int32_t attribute) const override { return attributes.at(checked(attribute, 1, 5)); }
    int32_t BaseAttribute(int32_t attribute) const override { return baseAttributes.at(checked(attribute, 1, 5)); }
    int32_t Skill(int32_t skill) const override { return skills.at(checked(skill, 1, 20)); }
    int32_t ArmourClass() const override { return armourClass; }
    int32_t OutfitRating() const override { return outfitRating; }
    int32_t PoisonTotal() const override { return poison; }
    bool IsParalyzed() const override { return paralyzed; }
    bool IsCursed() const override { return cursed; }
    bool HasLostXp() const override { return lostXp; }
    int32_t CountOwnedItems(const char* type) const override { return valueOf(items, type); }
    bool HasDisease(const char* name) const override {
        return name == nullptr || *name == '\0' ? !diseases.empty() : diseases.count(name) != 0;
    }
    bool KnowsSpell(const char* name) const override { return name && spells.count(name); }
    bool HasAbility(const char* name) const override { return name && abilities.count(name); }
    std::optional<uint32_t> QuestState(const char* name) const override {
        auto found = name ? quests.find(name) : quests.end();
        return found == quests.end() ? std::nullopt : std::optional<uint32_t>(found->second);
    }

    uint32_t GameMinutes() const override { return minutes; }
    int32_t WeatherRoll() const override { return weather; }
    int32_t RainIntensity() const override { return rain; }
    std::optional<uint32_t> PriceEntry(int32_t index) const override {
        if (index < 0 || size_t(index) >= prices.size()) return std::nullopt;
        return prices[size_t(index)];
    }

    std::optional<int32_t> GlobalValue(const char* name) const override {
        auto found = name ? globals.find(name) : globals.end();
        return found == globals.end() ? std::nullopt : std::optional<int32_t>(found->second);
    }
    int32_t Random(int32_t n) override { return random.Next(n); }

    int32_t ConversationWord() const override { return word; }
    bool AnswerTextIsEmpty() const override { return answerEmpty; }
    std::optional<uint8_t> ContextObjectState() const override { return objectState; }
    bool ContextCreatureIs(SCreatureTest test) const override { return creature.count(test) != 0; }
    bool ContextCreatureBaseTypeIs(const char* name) const override { return name && baseType == name; }
    bool ContextCreatureMonsterIs(const char* name) const override { return name && monster == name; }
    bool NamedObjectIs(const char* name, SCreatureTest test) const override {
        auto found = name ? named.find(name) : named.end();
        return found != named.end() && found->second.count(test) != 0;
    }
    bool NamedObjectIsDead(const char* name) const override { return name && dead.count(name); }
    int32_t NamedObjectState(const char* name) const override { return valueOf(objectStates, name); }
    bool IsCurrentWorld(const char* name) const override { return name && world == name; }
    bool IsCurrentMap(const char* name) const override { return name && map == name; }
    int32_t HoursSinceGlobal(const char* name) const override { return valueOf(hoursSince, name); }
    int32_t DaysSinceGlobal(const char* name) const override { return valueOf(daysSince, name); }

    int32_t fame = 0;
    uint32_t crime = 0;
    uint32_t gold = 0;
    int32_t race = 2;
    bool male = true;
    int32_t level = 1;
    int32_t hpPercent = 100;
    std::array<int32_t, 6> attributes{};  // index 0 unused
    std::array<int32_t, 6> baseAttributes{};
    std::array<int32_t, 21> skills{};
    int32_t armourClass = 0;
    int32_t outfitRating = 0;
    int32_t poison = 0;
    bool paralyzed = false;
    bool cursed = false;
    bool lostXp = false;
    std::map<std::string, int32_t> items;
    std::set<std::string> diseases;
    std::set<std::string> spells;
    std::set<std::string> abilities;
    std::map<std::string, uint32_t> quests;
    uint32_t minutes = 12 * 60;  // noon of day 1
    int32_t weather = 0;
    int32_t rain = 0;
    std::vector<uint32_t> prices;
    std::map<std::string, int32_t> globals;
    SRandom random;
    int32_t word = 0;
    bool answerEmpty = true;
    std::optional<uint8_t> objectState;
    std::set<SCreatureTest> creature;
    std::string baseType;
    std::string monster;
    std::map<std::string, std::set<SCreatureTest>> named;
    std::set<std::string> dead;
    std::map<std::string, int32_t> objectStates;
    std::string world;
    std::string map;
    std::map<std::string, int32_t> hoursSince;
    std::map<std::string, int32_t> daysSince;

private:
    static size_t checked(int32_t index, int32_t first, int32_t last) {
        if (index < first || index > last) throw std::out_of_range("asked for measure " + std::to_string(index));
        return size_t(index);
    }
    static int32_t valueOf(const std::map<std::string, int32_t>& values, const char* name) {
        auto found = name ? values.find(name) : values.end();
        return found == values.end() ? 0 : found->second;
    }
};
